#pragma once
// Where the banner window and the category window beside it stand on the screen, in pixels.
#include <windows.h>

// The banner: 15750 x 1500 twips (1050 x 100 pixels at 96 DPI).
inline constexpr SIZE kBannerSizeTwips{15750, 1500};

// The banner's top-left corner: Left2 and Top2 (twips) when stored, else the bottom middle of the
// work area; kept on the screen.
POINT BannerCorner(SIZE banner);
// The banner where it stands, or, before it is loaded, where it will.
RECT BannerPlace();
// A category window centred over the banner, just above the floating buttons, kept on the screen.
POINT MenuCornerBesideBanner(SIZE menu, const RECT& banner);
