#include "skin/banner_places.h"

#include "menu/menu_geometry.h"
#include "skin/float_row.h"
#include "skin/frm_main2.h"
#include "ui/twips.h"

namespace {
constexpr int kMenuGap = 8;  // pixels between the floating buttons' row and the menu above it
}  // namespace

POINT BannerCorner(SIZE banner) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  std::optional<int> left = StoredTwips("Left2"), top = StoredTwips("Top2");
  POINT corner{left ? TwipsToPixelsX(*left) : (work.left + work.right - banner.cx) / 2,
               top ? TwipsToPixelsY(*top) : work.bottom - banner.cy};
  return KeepOnScreen(corner, banner, ScreenSize());
}

RECT BannerPlace() {
  RECT place{};
  if (HWND banner = TheFrmMain2().hwnd(); banner && GetWindowRect(banner, &place)) return place;
  SIZE size{TwipsToPixelsX(kBannerSizeTwips.cx), TwipsToPixelsY(kBannerSizeTwips.cy)};
  POINT corner = BannerCorner(size);
  return {corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
}

POINT MenuCornerBesideBanner(SIZE menu, const RECT& banner) {
  POINT corner{banner.left + (banner.right - banner.left - menu.cx) / 2,
               TwipsToPixelsY(FloatTop(PixelsToTwipsY(banner.top))) - kMenuGap - menu.cy};
  return KeepOnScreen(corner, menu, ScreenSize());
}
