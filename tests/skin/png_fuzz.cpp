// Fuzz target for OpenPNG's byte path: chunks, inflating, unfiltering, conversion, compositing.
#include <cstddef>
#include <cstdint>

#include "skin/png_bitmap.h"
#include "skin/png_file.h"
#include "skin/png_pixels.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const PngNotice notice = [](const std::string&) {};
  const PngFile file = ReadPngFile({data, size}, notice);
  if (file.ErrorNumber != 0) return 0;
  auto pixels = DecodePixels(file, notice);
  if (!pixels) return 0;
  // Against a picture block where it is small, a flat colour otherwise; then as drawn unblended.
  const size_t stride = static_cast<size_t>(pixels->width) * 3;
  const bool small = static_cast<uint64_t>(pixels->width) * pixels->height <= 4096;
  Bytes block(small ? stride * pixels->height : 0, 0x5A);
  ToBitmap(file, *pixels, {true, true}, {block, stride, file.BkgdColor});
  ToBitmap(file, std::move(*pixels), {false, false}, {});
  return 0;
}
