#pragma once
// The classic menu's size and place: at least 10950 x 8070 twips, at most the screen, stored in
// twips under HKCU\SOFTWARE\Orbix\Tessel as Left, Top, Width and Height.
#include <windows.h>

#include <optional>

inline constexpr int kMenuMinWidthTwips = 10950;
inline constexpr int kMenuMinHeightTwips = 8070;

// A window size in pixels brought within the minimum and the screen.
SIZE ClampMenuSize(SIZE size, SIZE screen);
// The top-left corner moved so that a window of this size lies on the screen.
POINT KeepOnScreen(POINT topLeft, SIZE size, SIZE screen);
SIZE ScreenSize();

// A stored value in twips; nothing when it is missing or not a number.
std::optional<int> StoredTwips(const char* name);
void StoreTwips(const char* name, int twips);
