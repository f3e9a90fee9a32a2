#include "skin/png_bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "png_builder.h"
#include "png_decode.h"

namespace {
// Decodes one row of pixels (filter byte included) and converts it.
PngBitmap Convert(int width, int depth, int colorType, const std::string& row, std::initializer_list<std::string> extra = {},
                  PngCompositing compositing = {}, PngBackdrop backdrop = {}) {
  const DecodedPng png = DecodePng(SimplePng(width, 1, depth, colorType, row, extra));
  EXPECT_TRUE(png.pixels);
  if (!png.pixels) return {};
  return ToBitmap(png.file, *png.pixels, compositing, backdrop);
}

std::vector<int> Row(const PngBitmap& bitmap, size_t bytes) {
  return {bitmap.pixels.begin(), bitmap.pixels.begin() + bytes};
}
}  // namespace

TEST(ToBitmap, ConvertsEachColourTypeToItsBitmapLayout) {
  const PngBitmap rgb16 = Convert(1, 16, 2, std::string("\0\x12\x34\x56\x78\x9A\xBC", 7));
  EXPECT_EQ(rgb16.bitCount, 24);
  EXPECT_EQ(rgb16.height, -1) << "top row first";
  EXPECT_EQ(Row(rgb16, 4), (std::vector<int>{0x9A, 0x56, 0x12, 0})) << "padded to 4 bytes";

  const PngBitmap rgba = Convert(2, 8, 6, std::string("\0\x01\x02\x03\x04\x05\x06\x07\x08", 9));
  EXPECT_EQ(rgba.bitCount, 32);
  EXPECT_EQ(Row(rgba, 8), (std::vector<int>{3, 2, 1, 4, 7, 6, 5, 8}));

  const PngBitmap greyAlpha = Convert(1, 16, 4, std::string("\0\x90\x01\x40\x02", 5));
  EXPECT_EQ(Row(greyAlpha, 4), (std::vector<int>{0x90, 0x90, 0x90, 0x40}));

  const PngBitmap grey2 = Convert(5, 2, 0, std::string("\0\x1B\x80", 3));
  EXPECT_EQ(grey2.bitCount, 8) << "2-bit samples widen to a byte";
  EXPECT_EQ(Row(grey2, 5), (std::vector<int>{0, 1, 2, 3, 2}));
  EXPECT_EQ(grey2.palette, (std::vector<uint32_t>{0, 0x555555, 0xAAAAAA, 0xFFFFFF}));

  const PngBitmap grey16 = Convert(1, 16, 0, std::string("\0\xAB\xCD", 3));
  EXPECT_EQ(grey16.bitCount, 8);
  EXPECT_EQ(grey16.palette.size(), 256u);
  EXPECT_EQ(grey16.pixels[0], 0xAB);

  const PngBitmap grey4 = Convert(3, 4, 0, std::string("\0\x1F\x30", 3));
  EXPECT_EQ(grey4.bitCount, 4) << "same depth, packed as stored";
  EXPECT_EQ(Row(grey4, 2), (std::vector<int>{0x1F, 0x30}));
  EXPECT_EQ(grey4.palette[15], 0xFFFFFFu);
}

TEST(ToBitmap, OneBitPalettesAreUsedOnlyWithExactlyTwoColours) {
  const std::string row("\0\x80", 2);
  EXPECT_EQ(Convert(2, 1, 3, row, {Chunk("PLTE", "\x11\x22\x33\x44\x55\x66")}).palette,
            (std::vector<uint32_t>{0x112233, 0x445566}));
  EXPECT_EQ(Convert(2, 1, 3, row, {Chunk("PLTE", "\x11\x22\x33")}).palette, (std::vector<uint32_t>{0, 0xFFFFFF}));
  EXPECT_EQ(Convert(2, 1, 3, row, {Chunk("PLTE", std::string(9, '\x7F'))}).palette,
            (std::vector<uint32_t>{0, 0xFFFFFF}));
  EXPECT_EQ(Convert(2, 2, 3, std::string("\0\x40", 2), {Chunk("PLTE", std::string(9, '\x7F'))}).palette.size(), 3u);
}

TEST(ToBitmap, CompositesAlphaAgainstTheBackdropWithTheExactFormula) {
  // Alpha 128, 0 and 255 over a flat colour, then over a picture block.
  const std::string row("\0" "\xFF\xFF\xFF\x80" "\xFF\x00\x00\x00" "\x10\x20\x30\xFF", 13);
  const PngBitmap flat = Convert(3, 8, 6, row, {}, {false, true}, {{}, 0, 0x000000});
  EXPECT_EQ(flat.bitCount, 24);
  EXPECT_EQ(Row(flat, 9), (std::vector<int>{128, 128, 128, 0, 0, 0, 0x30, 0x20, 0x10}));

  const uint8_t picture[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const PngBitmap over = Convert(3, 8, 6, row, {}, {false, true}, {picture, 9, 0});
  EXPECT_EQ(Row(over, 9), (std::vector<int>{128, 129, 129, 4, 5, 6, 0x30, 0x20, 0x10}));

  EXPECT_EQ(Convert(3, 8, 6, row, {}, {true, false}, {}).bitCount, 32) << "SetAlpha off: alpha unused";
}

TEST(ToBitmap, TrnsMakesKeyedAndPalettePixelsTransparent) {
  const uint32_t white = 0xFFFFFF;
  // Palette: index 0 half transparent, 1 clear, 2 beyond the tRNS list and so opaque.
  const PngBitmap palette = Convert(3, 8, 3, std::string("\0\x00\x01\x02", 4),
                                    {Chunk("PLTE", std::string(9, '\0')), Chunk("tRNS", std::string("\x80\x00", 2))},
                                    {true, false}, {{}, 0, white});
  EXPECT_EQ(palette.bitCount, 24);
  EXPECT_EQ(Row(palette, 9), (std::vector<int>{127, 127, 127, 255, 255, 255, 0, 0, 0}));

  // 16-bit grey keys compare all 16 bits: 0x1234 is the key, 0x1235 is not.
  const PngBitmap grey = Convert(2, 16, 0, std::string("\0\x12\x34\x12\x35", 5), {Chunk("tRNS", "\x12\x34")},
                                 {true, false}, {{}, 0, white});
  EXPECT_EQ(Row(grey, 6), (std::vector<int>{255, 255, 255, 0x12, 0x12, 0x12}));

  const std::string rgbRow("\0\x01\x02\x03\x01\x02\x04", 7);
  const std::string rgbKey = Chunk("tRNS", std::string("\0\x01\0\x02\0\x03", 6));
  EXPECT_EQ(Row(Convert(2, 8, 2, rgbRow, {rgbKey}, {true, false}, {{}, 0, 0x0000FF}), 6),
            (std::vector<int>{0, 0, 255, 4, 2, 1}));
  EXPECT_EQ(Convert(2, 8, 2, rgbRow, {rgbKey}, {false, true}, {}).bitCount, 24) << "SetTrans off: not composited";
  EXPECT_EQ(Row(Convert(2, 8, 2, rgbRow, {rgbKey}, {false, true}, {}), 6), (std::vector<int>{3, 2, 1, 4, 2, 1}));
}
