#include "ui/twips.h"

#include <windows.h>

namespace {
int ScreenDpi(int axis) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, axis) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int TwipsPerPixel(int axis) { return 1440 / ScreenDpi(axis); }
}  // namespace

int TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
int TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }
int TwipsToPixelsX(int twips) { return twips / TwipsPerPixelX(); }
int TwipsToPixelsY(int twips) { return twips / TwipsPerPixelY(); }
int PixelsToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
int PixelsToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }
int ScaledPixels(int pixelsAt100Percent) { return MulDiv(pixelsAt100Percent, ScreenDpi(LOGPIXELSY), 96); }
