#include "ui/twips.h"

#include <windows.h>

namespace {
int TwipsPerPixel(int axis) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, axis) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? 1440 / dpi : 15;
}
}  // namespace

int TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
int TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }
int TwipsToPixelsX(int twips) { return twips / TwipsPerPixelX(); }
int TwipsToPixelsY(int twips) { return twips / TwipsPerPixelY(); }
int PixelsToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
int PixelsToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }
