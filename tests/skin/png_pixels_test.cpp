#include "skin/png_pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "png_builder.h"
#include "png_decode.h"

namespace {
// The encoder side of a scanline filter, as the PNG standard defines it.
std::string FilterRow(int filter, const std::string& row, const std::string& prior, size_t bpp) {
  std::string out(1, char(filter));
  for (size_t i = 0; i < row.size(); ++i) {
    const int a = i < bpp ? 0 : uint8_t(row[i - bpp]), b = uint8_t(prior[i]), c = i < bpp ? 0 : uint8_t(prior[i - bpp]);
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    const int predictor[5] = {0, a, b, (a + b) / 2, pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
    out += char(uint8_t(row[i]) - predictor[filter]);
  }
  return out;
}
}  // namespace

// The conformance images leave some filters untried at some pixel sizes (Average at 2 and 6
// bytes a pixel, for one): every filter at every size, on noise, and on two-bit values where
// Paeth's predictors often tie.
TEST(Unfilter, ReversesEveryFilterAndLeavesUnknownFiltersAlone) {
  unsigned seed = 1;
  for (int mask : {0xFF, 0x03}) {
    for (size_t bpp : {1, 2, 3, 4, 6, 8}) {
      SCOPED_TRACE(testing::Message() << "bytes per pixel " << bpp << ", values masked with " << mask);
      const size_t rowBytes = bpp * 31;
      std::string raw, filtered, prior(rowBytes, '\0');
      for (int filter = 0; filter <= 5; ++filter) {
        std::string row(rowBytes, '\0');
        for (auto& byte : row) byte = char(((seed = seed * 1103515245 + 12345) >> 16) & mask);
        filtered += filter == 5 ? '\x07' + row : FilterRow(filter, row, prior, bpp);  // 7: unknown, kept as stored
        raw += row;
        prior = row;
      }
      Bytes apart(raw.size()), inPlace(filtered.begin(), filtered.end());
      Unfilter(reinterpret_cast<const uint8_t*>(filtered.data()), apart.data(), 6, rowBytes, bpp);
      Unfilter(inPlace.data(), inPlace.data(), 6, rowBytes, bpp);
      EXPECT_EQ(AsString(apart), raw);
      EXPECT_EQ(AsString(inPlace).substr(0, raw.size()), raw) << "in place";
    }
  }
}

TEST(DecodePixels, AbandonsWhatItCannotDecode) {
  const std::string row("\0\x01\x02\x03", 4);
  ASSERT_TRUE(DecodePng(SimplePng(1, 1, 8, 2, row)).pixels);
  const struct { std::string png; const char* why; } cases[] = {
      {SimplePng(1, 2, 8, 2, row), "fewer bytes than the rows need"},
      {SimplePng(1, 1, 4, 2, row), "RGB of 4 bits"},
      {SimplePng(1, 1, 8, 5, row), "colour type 5"},
      {SimplePng(0, 1, 8, 2, row), "no width"},
      {SimplePng(0x80000000u, 1, 8, 2, row), "negative width"},
      // Huge claims are refused before memory is taken for them (the sanitized run fails on a large
      // allocation). Interlaced 1-bit pictures once took gigabytes: the size check left out their narrow rows.
      {SimplePng(100000, 100000, 8, 6, row), "huge picture"},
      {PngOf({Ihdr(3, 0x24000003, 1, 3, 1), Chunk("IDAT", ZlibStored(row))}), "huge interlaced 1-bit picture"},
      {PngOf({Ihdr(1, 1, 8, 2, 2), Chunk("IDAT", ZlibStored(row))}), "unknown interlace method"},
  };
  for (const auto& c : cases) EXPECT_FALSE(DecodePng(c.png).pixels) << c.why;
}

// A 1-bit picture of 8000 by 8000 in 7.9 KB once took 448 MB to draw with its transparency.
TEST(DecodePixels, RefusesPicturesLargerThanAScreen) {
  const struct { uint32_t width, height; bool decoded; } cases[] = {
      {8000, 8000, false}, {7680, 4320, true}, {4320, 7680, true}, {7681, 4320, false},
      {16384, 2025, true}, {16385, 1, false}, {1, 16385, false},
  };
  for (const auto& c : cases) {
    const DecodedPng decoded = DecodePng(BlankOneBitPng(c.width, c.height));
    EXPECT_EQ(decoded.pixels.has_value(), c.decoded) << c.width << " by " << c.height;
  }
}
