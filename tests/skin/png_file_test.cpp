#include "skin/png_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "png_builder.h"
#include "png_decode.h"

namespace {
// A 2 by 2 8-bit RGB picture, rows filtered with None.
const std::string kRows("\0\x01\x02\x03\x04\x05\x06\0\x07\x08\x09\x0A\x0B\x0C", 14);

std::string RgbPng(std::initializer_list<std::string> extra = {}) { return SimplePng(2, 2, 8, 2, kRows, extra); }
std::string Bytes2(unsigned value) { return {char(value >> 8), char(value)}; }
std::string Damaged(std::string chunk) {  // its CRC wrong
  chunk.back() ^= 0x55;
  return chunk;
}
}  // namespace

TEST(PngFile, ErrorNumbersTellWhyNothingWasDecoded) {
  const std::string png = RgbPng(), noData = PngOf({Ihdr(2, 2, 8, 2)});
  const struct { std::string bytes; int error; const char* why; } cases[] = {
      {"\x88" + png.substr(1), kPngNoSignature, "one signature byte wrong"},
      {"\x89PNG", kPngNoSignature, "shorter than a signature"},
      {png.substr(0, png.size() - 12), kPngChunkPastEnd, "cut before IEND"},
      {png.substr(0, 40), kPngChunkPastEnd, "cut inside a chunk's length and type"},
      {png.substr(0, 45), kPngChunkPastEnd, "cut inside a chunk's data"},
      {png.substr(0, png.size() - 4), 0, "IEND's CRC may be missing"},
      {noData, kPngNoImageData, "no IDAT"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodePng(c.bytes).file.ErrorNumber, c.error) << c.why;
  EXPECT_EQ(DecodePng(noData).file.header.Width, 2) << "the header read so far stays";
}

TEST(PngFile, ChecksumsAndUnknownChunksAreNotRead) {
  std::string zlib = ZlibStored(kRows);
  zlib.front() ^= 0x0F, zlib.back() ^= 0x0F;  // zlib header and Adler-32
  const std::string png = "\x89PNG\r\n\x1a\n" + Damaged(Ihdr(2, 2, 8, 2)) + Damaged(Chunk("pHYs", std::string(9, 1))) +
                          Damaged(Chunk("zzZz", "private")) + Damaged(Chunk("IDAT", zlib)) + Damaged(Chunk("IEND", ""));
  const DecodedPng decoded = DecodePng(png);
  ASSERT_TRUE(decoded.pixels);
  EXPECT_EQ(AsString(decoded.pixels->data), kRows.substr(1, 6) + kRows.substr(8));
}

TEST(PngFile, BkgdGivesAColourOnlyWhenItFitsTheColourType) {
  const std::string plte = Chunk("PLTE", "\x10\x20\x30\x40\x50\x60");
  const struct { std::string chunks; uint32_t color; const char* why; } cases[] = {
      {Ihdr(1, 1, 4, 0) + Chunk("bKGD", Bytes2(5)), 0x555555, "4-bit grey level 5"},
      {Ihdr(1, 1, 4, 0) + Chunk("bKGD", Bytes2(16)), 0, "grey level beyond 4 bits"},
      {Ihdr(1, 1, 8, 0) + Chunk("bKGD", "\x01"), 0, "wrong length"},
      {Ihdr(1, 1, 16, 4) + Chunk("bKGD", Bytes2(0x80FF)), 0x808080, "16-bit grey: high byte"},
      {Ihdr(1, 1, 16, 6) + Chunk("bKGD", Bytes2(0x1234) + Bytes2(0x5678) + Bytes2(0x9ABC)), 0x9A5612,
       "16-bit RGB: high bytes, as 0x00BBGGRR"},
      {Ihdr(1, 1, 8, 3) + plte + Chunk("bKGD", "\x01"), 0x605040, "palette entry 1"},
      {Ihdr(1, 1, 8, 3) + plte + Chunk("bKGD", "\x02"), 0, "past the palette"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodePng(PngOf({c.chunks})).file.BkgdColor, c.color) << c.why;
}

TEST(PngFile, CodeTablesThatCannotBeBuiltTellTheUserAndNothingIsDrawn) {
  std::vector<std::string> told;
  const PngNotice notice = [&](const std::string& text) { told.push_back(text); };
  const std::string zlib = "\x78\x01" + BrokenTreeDeflate();
  const DecodedPng image = DecodePng(PngOf({Ihdr(2, 2, 8, 2), Chunk("IDAT", zlib)}), notice);
  EXPECT_EQ(image.file.ErrorNumber, 0);
  EXPECT_FALSE(image.pixels) << "nothing is drawn";
  EXPECT_EQ(told, std::vector<std::string>{kTreeCreationError});

  told.clear();
  const std::string broken = Chunk("zTXt", std::string("k\0\0", 3) + zlib);
  const DecodedPng text = DecodePng(RgbPng({broken, broken}), notice);
  EXPECT_EQ(text.file.ErrorNumber, 0);
  EXPECT_FALSE(text.pixels) << "compressed text alike: nothing is drawn";
  EXPECT_EQ(told, std::vector<std::string>{kTreeCreationError}) << "told once, the file read no further";

  told.clear();
  const std::string cutShort = Chunk("zTXt", std::string("k\0\0", 3) + ZlibStored("text").substr(0, 9));
  const DecodedPng cut = DecodePng(RgbPng({cutShort}), notice);
  EXPECT_TRUE(cut.pixels) << "a text stream that merely ends early is no reason to abandon the picture";
  EXPECT_TRUE(told.empty());
}

TEST(PngFile, CompressedTextStopsAtItsCapAndLaterChunksAreSkipped) {
  const std::string run = std::string("Comment\0", 8) + std::string(1000, 'A') + '\0';
  EXPECT_EQ(DecodePng(TextBombPng(2, 1000)).file.zText, run + run) << "below the cap, every text whole";

  // Found in the field: 200 chunks of 8 MiB in 1.6 MB once took 2.1 GB and seconds (the sanitized
  // run fails on its first large allocation).
  const DecodedPng bomb = DecodePng(TextBombPng(200, size_t{8} << 20));
  ASSERT_TRUE(bomb.pixels) << "the picture is still drawn";
  EXPECT_GT(bomb.file.zText.size(), kMaxCompressedText - 258) << "the first chunk fills the cap";
  EXPECT_LE(bomb.file.zText.size(), kMaxCompressedText + sizeof("Comment") + 1) << "a keyword and a NUL past it";
}
