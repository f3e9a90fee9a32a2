#include "skin/png_bitmap.h"

#include <gtest/gtest.h>

#include <vector>

#include "png_builder.h"
#include "png_decode.h"

namespace {
// One row of pixels (filter byte included) decoded and converted.
PngBitmap Convert(int width, int depth, int colorType, const std::string& row, std::initializer_list<std::string> extra,
                  PngCompositing compositing = {}, PngBackdrop backdrop = {}) {
  const DecodedPng png = DecodePng(SimplePng(width, 1, depth, colorType, row, extra));
  EXPECT_TRUE(png.pixels);
  return png.pixels ? ToBitmap(png.file, *png.pixels, compositing, backdrop) : PngBitmap{};
}

std::vector<int> Row(const PngBitmap& bitmap, size_t bytes) {
  return {bitmap.pixels.begin(), bitmap.pixels.begin() + bytes};
}

using Colors = std::vector<uint32_t>;
}  // namespace

TEST(ToBitmap, OneBitPalettesAreUsedOnlyWithExactlyTwoColours) {
  const std::string row("\0\x80", 2);
  EXPECT_EQ(Convert(2, 1, 3, row, {Chunk("PLTE", "\x11\x22\x33\x44\x55\x66")}).palette, (Colors{0x112233, 0x445566}));
  EXPECT_EQ(Convert(2, 1, 3, row, {Chunk("PLTE", "\x11\x22\x33")}).palette, (Colors{0, 0xFFFFFF})) << "one colour";
  EXPECT_EQ(Convert(2, 1, 3, row, {Chunk("PLTE", std::string(9, '\x7F'))}).palette, (Colors{0, 0xFFFFFF}));
  EXPECT_EQ(Convert(2, 2, 3, std::string("\0\x40", 2), {Chunk("PLTE", std::string(9, '\x7F'))}).palette.size(), 3u)
      << "2-bit pictures keep any palette";
}

TEST(ToBitmap, CompositesOnlyWhatItsSwitchAsksFor) {
  const PngCompositing trans{true, false}, alpha{false, true};
  // 16-bit grey keys compare all 16 bits, which no conformance image shows: 0x1234 is the key, 0x1235 is not.
  const PngBitmap grey = Convert(2, 16, 0, std::string("\0\x12\x34\x12\x35", 5), {Chunk("tRNS", "\x12\x34")}, trans,
                                 {{}, 0, 0xFFFFFF});
  EXPECT_EQ(grey.bitCount, 24);
  EXPECT_EQ(Row(grey, 6), (std::vector<int>{255, 255, 255, 0x12, 0x12, 0x12})) << "the key shows the backdrop";
  const std::string rgbRow("\0\x01\x02\x03\x01\x02\x04", 7), rgbKey = Chunk("tRNS", std::string("\0\1\0\2\0\3", 6));
  EXPECT_EQ(Row(Convert(2, 8, 2, rgbRow, {rgbKey}, alpha), 6), (std::vector<int>{3, 2, 1, 4, 2, 1}))
      << "tRNS switched off: the key colour drawn as it is";
  EXPECT_EQ(Convert(1, 8, 6, std::string("\0\1\2\3\x80", 5), {}, trans).bitCount, 32) << "alpha switched off: kept";
}
