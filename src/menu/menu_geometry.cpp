#include "menu/menu_geometry.h"

#include <algorithm>
#include <string>

#include "store/registry.h"
#include "store/text_util.h"
#include "ui/twips.h"

SIZE ClampMenuSize(SIZE size, SIZE screen) {
  // The minimum wins over a screen smaller than it.
  LONG width = std::max<LONG>(std::min(size.cx, screen.cx), TwipsToPixelsX(kMenuMinWidthTwips));
  LONG height = std::max<LONG>(std::min(size.cy, screen.cy), TwipsToPixelsY(kMenuMinHeightTwips));
  return {width, height};
}

POINT KeepOnScreen(POINT topLeft, SIZE size, SIZE screen) {
  LONG x = std::max<LONG>(0, std::min(topLeft.x, screen.cx - size.cx));
  LONG y = std::max<LONG>(0, std::min(topLeft.y, screen.cy - size.cy));
  return {x, y};
}

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::optional<int> StoredTwips(const char* name) {
  std::string text = Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, name));
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-')) return std::nullopt;
  return static_cast<int>(std::clamp<long long>(ParseLeadingNumber(text), -1000000, 1000000));
}

void StoreTwips(const char* name, int twips) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, name, std::to_string(twips));
}
