#pragma once
// Reading back what was drawn into a picture (32 bits a pixel, top row first).
#include <windows.h>

#include <array>

#include "images/picture.h"

using Bgra = std::array<int, 4>;

inline Bgra PixelAt(const Picture& picture, int x, int y) {
  DIBSECTION dib{};
  GetObjectW(picture.bitmap(), sizeof(dib), &dib);
  const BYTE* pixel = static_cast<const BYTE*>(dib.dsBm.bmBits) + y * dib.dsBm.bmWidthBytes + x * 4;
  return {pixel[0], pixel[1], pixel[2], pixel[3]};
}
