#include "skin/png_pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "png_builder.h"
#include "png_decode.h"
#include "skin/png_bitmap.h"

namespace {
// The encoder side of the scanline filters, as the PNG standard defines them.
std::string FilterRow(int filter, const std::string& row, const std::string& prior, size_t bpp) {
  std::string out(1, char(filter));
  for (size_t i = 0; i < row.size(); ++i) {
    const int a = i >= bpp ? uint8_t(row[i - bpp]) : 0, b = uint8_t(prior[i]), c = i >= bpp ? uint8_t(prior[i - bpp]) : 0;
    int predictor = 0;
    if (filter == 1) predictor = a;
    if (filter == 2) predictor = b;
    if (filter == 3) predictor = (a + b) / 2;
    if (filter == 4) {
      const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
      predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
    }
    out += char(uint8_t(row[i]) - predictor);
  }
  return out;
}

std::string Noise(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  for (auto& byte : bytes) byte = char((seed = seed * 1103515245 + 12345) >> 16);
  return bytes;
}

// Adam7 passes of an image, each pass's rows with filter byte 0. `raw` holds `bpp` bytes a pixel,
// or with `depth` below 8 one sample value a byte, packed here.
std::string Interlace(const std::string& raw, int width, int height, int bpp, int depth = 8) {
  const int passes[7][4] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4}, {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}};
  std::string out;
  for (const auto& p : passes) {
    if (p[1] >= width) continue;
    for (int y = p[0]; y < height; y += p[2]) {
      out += '\0';
      std::string row;
      for (int x = p[1]; x < width; x += p[3]) row += raw.substr((size_t(y) * width + x) * bpp, bpp);
      if (depth == 8) {
        out += row;
        continue;
      }
      std::string packed((row.size() * depth + 7) / 8, '\0');
      for (size_t i = 0; i < row.size(); ++i) packed[i * depth / 8] |= char(row[i] << (8 - depth - i * depth % 8));
      out += packed;
    }
  }
  return out;
}

std::string AsString(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }
}  // namespace

TEST(Unfilter, ReversesEveryFilterAndLeavesUnknownFiltersAlone) {
  for (size_t bpp : {1, 2, 3, 4, 6, 8}) {
    const size_t rowBytes = bpp * 7;
    std::string raw, filtered, prior(rowBytes, '\0');
    for (int filter = 0; filter <= 4; ++filter) {
      const std::string row = Noise(rowBytes, unsigned(filter * 31 + bpp));
      filtered += FilterRow(filter, row, prior, bpp);
      raw += row;
      prior = row;
    }
    filtered += '\x07' + prior;  // unknown filter: the row stays as stored
    raw += prior;
    Bytes out(raw.size());
    Unfilter(reinterpret_cast<const uint8_t*>(filtered.data()), out.data(), 6, rowBytes, bpp);
    EXPECT_EQ(AsString(out), raw) << "bytes per pixel " << bpp;

    Bytes inPlace(filtered.begin(), filtered.end());
    Unfilter(inPlace.data(), inPlace.data(), 6, rowBytes, bpp);
    EXPECT_EQ(AsString(inPlace).substr(0, raw.size()), raw) << "in place, bytes per pixel " << bpp;
  }
}

TEST(DecodePixels, InterlacedImagesComeOutLikeTheirProgressiveTwins) {
  const int width = 13, height = 11;
  const std::string rgb = Noise(size_t(width) * height * 6, 5);
  std::string progressive;
  for (int y = 0; y < height; ++y) progressive += '\0' + rgb.substr(size_t(y) * width * 6, width * 6);
  const std::string interlaced = PngOf({Ihdr(width, height, 16, 2, 1), Chunk("IDAT", ZlibStored(Interlace(rgb, width, height, 6)))});
  const auto a = DecodePng(SimplePng(width, height, 16, 2, progressive)).pixels;
  const auto b = DecodePng(interlaced).pixels;
  ASSERT_TRUE(a && b);
  EXPECT_EQ(AsString(b->data), AsString(a->data));

  // Narrow samples come out a byte each, and draw as an 8-bit picture with the file's grey levels.
  std::string samples;
  for (int i = 0; i < width * height; ++i) samples += char((i * 7 / 3) % 2);
  const auto narrow =
      DecodePng(PngOf({Ihdr(width, height, 1, 0, 1), Chunk("IDAT", ZlibStored(Interlace(samples, width, height, 1, 1)))}));
  ASSERT_TRUE(narrow.pixels);
  EXPECT_EQ(narrow.pixels->depth, 8);
  EXPECT_EQ(AsString(narrow.pixels->data), samples);
  const PngBitmap bitmap = ToBitmap(narrow.file, *narrow.pixels, {}, {});
  EXPECT_EQ(bitmap.bitCount, 8);
  EXPECT_EQ(bitmap.palette, (std::vector<uint32_t>{0x000000, 0xFFFFFF}));
}

TEST(DecodePixels, AbandonsWhatItCannotDecode) {
  const std::string row("\0\x01\x02\x03", 4);
  EXPECT_TRUE(DecodePng(SimplePng(1, 1, 8, 2, row)).pixels);
  EXPECT_FALSE(DecodePng(SimplePng(1, 2, 8, 2, row)).pixels) << "fewer bytes than the rows need";
  EXPECT_FALSE(DecodePng(SimplePng(1, 1, 3, 2, row)).pixels) << "depth 3";
  EXPECT_FALSE(DecodePng(SimplePng(1, 1, 4, 2, row)).pixels) << "RGB of 4 bits";
  EXPECT_FALSE(DecodePng(SimplePng(1, 1, 8, 5, row)).pixels) << "colour type 5";
  EXPECT_FALSE(DecodePng(SimplePng(0, 1, 8, 2, row)).pixels) << "no width";
  EXPECT_FALSE(DecodePng(SimplePng(0x80000000u, 1, 8, 2, row)).pixels) << "negative width";
  // A huge claim is refused from the size of the data, before anything is allocated for it.
  EXPECT_FALSE(DecodePng(SimplePng(100000, 100000, 8, 6, row)).pixels);
  EXPECT_FALSE(DecodePng(PngOf({Ihdr(3, 0x24000003, 1, 3, 1), Chunk("IDAT", ZlibStored(row))})).pixels)
      << "interlaced 1-bit: narrow rows must count too";
  std::string adam8 = PngOf({Ihdr(1, 1, 8, 2, 2), Chunk("IDAT", ZlibStored(row))});
  EXPECT_FALSE(DecodePng(adam8).pixels) << "unknown interlace method";
}
