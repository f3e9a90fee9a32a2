#pragma once
// Decoded PNG pixels in the layout of a Windows device-independent bitmap, with transparency
// composited against a background. Portable: no windows.h.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/png_bytes.h"
#include "skin/png_file.h"
#include "skin/png_pixels.h"

struct PngBitmap {
  int width = 0;
  int height = 0;                // negative: rows stored top row first
  int bitCount = 0;              // 1, 4, 8, 24 or 32
  std::vector<uint32_t> palette; // RGBQUAD layout: 0x00RRGGBB
  size_t stride = 0;             // bytes per row, a multiple of 4
  Bytes pixels;
};

// What the image is composited against: a block of 24-bit pixels of the image's size (blue,
// green, red; rows top first, `stride` bytes apart) or, when there is none, a flat colour.
struct PngBackdrop {
  std::span<const uint8_t> pixels;
  size_t stride = 0;
  uint32_t color = 0;  // 0x00BBGGRR
};

struct PngCompositing {
  bool trans = false;  // composite tRNS transparency
  bool alpha = false;  // composite the alpha channel
};

// Evenly spaced grey levels from 0 to 255, 2 to the depth entries (256 for 16-bit samples).
std::vector<uint8_t> GreyLevels(int depth);

// The bKGD chunk as a 0x00BBGGRR colour; 0 when its length does not fit the colour type.
uint32_t BkgdColorOf(const PngHeader& header, std::span<const uint8_t> palette, std::span<const uint8_t> bkgd);

// True when OpenPNG composites this image and so needs a backdrop.
bool Composites(const PngFile& file, const PngCompositing& compositing);

// Every pixel as blue, green, red, alpha (tRNS alpha for types 0, 2, 3; 255 without tRNS).
// 16-bit samples keep their high byte; transparent keys are compared at the file's depth.
Bytes ToBgra(const PngFile& file, const PngPixels& image);

// One alpha channel value of a pixel over its background.
inline uint8_t Blend(uint8_t image, uint8_t background, uint8_t alpha) {
  if (alpha == 255) return image;
  if (alpha == 0) return background;
  return static_cast<uint8_t>((image * alpha + background * (255 - alpha) + 255) >> 8);
}

// The bitmap OpenPNG draws. Takes the pixels over, to reorder them in place where it can.
PngBitmap ToBitmap(const PngFile& file, PngPixels image, const PngCompositing& compositing,
                   const PngBackdrop& backdrop);
