#include "skin/png_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "png_builder.h"
#include "png_decode.h"

namespace {
// A 2 by 2 8-bit RGB picture, rows filtered with None.
const std::string kRows("\0\x01\x02\x03\x04\x05\x06\0\x07\x08\x09\x0A\x0B\x0C", 14);

std::string RgbPng(std::initializer_list<std::string> extra = {}) { return SimplePng(2, 2, 8, 2, kRows, extra); }

std::string Bytes2(unsigned value) { return {char(value >> 8), char(value)}; }
}  // namespace

TEST(PngFile, ErrorNumbersTellWhyNothingWasDecoded) {
  EXPECT_EQ(DecodePng(RgbPng()).file.ErrorNumber, 0);
  std::string unsigned_ = RgbPng();
  unsigned_[0] = '\x88';
  EXPECT_EQ(DecodePng(unsigned_).file.ErrorNumber, kPngNoSignature);
  EXPECT_EQ(DecodePng("\x89PNG").file.ErrorNumber, kPngNoSignature);

  const std::string png = RgbPng();
  EXPECT_EQ(DecodePng(png.substr(0, png.size() - 12)).file.ErrorNumber, kPngChunkPastEnd) << "cut before IEND";
  EXPECT_EQ(DecodePng(png.substr(0, 40)).file.ErrorNumber, kPngChunkPastEnd) << "cut inside a chunk";
  EXPECT_EQ(DecodePng(png.substr(0, png.size() - 4)).file.ErrorNumber, 0) << "IEND's CRC may be missing";

  const DecodedPng noData = DecodePng(PngOf({Ihdr(2, 2, 8, 2)}));
  EXPECT_EQ(noData.file.ErrorNumber, kPngNoImageData);
  EXPECT_EQ(noData.file.header.Width, 2) << "the header read so far stays";
}

TEST(PngFile, WrongChecksumsAndUnknownChunksChangeNothing) {
  std::string png = RgbPng({Chunk("pHYs", std::string(9, '\1')), Chunk("zzZz", "private")});
  const DecodedPng intact = DecodePng(png);
  // Flip the last CRC byte of every chunk, and the zlib header and Adler-32 as well.
  for (size_t at = 8; at + 12 <= png.size();) {
    const size_t length = (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) | (uint8_t(png[at + 2]) << 8) |
                          uint8_t(png[at + 3]);
    png[at + 8 + length + 3] ^= 0x55;
    if (png.compare(at + 4, 4, "IDAT") == 0) {
      png[at + 8] ^= 0x0F;
      png[at + 8 + length - 1] ^= 0x0F;
    }
    at += 12 + length;
  }
  const DecodedPng damaged = DecodePng(png);
  ASSERT_TRUE(intact.pixels && damaged.pixels);
  EXPECT_EQ(damaged.pixels->data, intact.pixels->data);
  EXPECT_EQ(std::string(intact.pixels->data.begin(), intact.pixels->data.end()), kRows.substr(1, 6) + kRows.substr(8));
}

TEST(PngFile, TextTimeAndGammaAreKeptAsTheGettersShowThem) {
  const std::string ztxt = std::string("Comment\0\0", 9) + ZlibStored("compressed text");
  const DecodedPng png = DecodePng(RgbPng({Chunk("tEXt", std::string("Title\0Skin", 10)), Chunk("tEXt", "Second"),
                                           Chunk("zTXt", ztxt), Chunk("tIME", Bytes2(2009) + "\x03\x07\x0E\x05\x09"),
                                           Chunk("gAMA", std::string("\0\0\xB1\x8F", 4))}));
  EXPECT_EQ(png.file.Text, std::string("Title\0Skin\0Second\0", 18));
  EXPECT_EQ(png.file.zText, std::string("Comment\0compressed text\0", 24));
  EXPECT_EQ(png.file.ModiTime, "07.03.2009 14:05:09");
  EXPECT_DOUBLE_EQ(png.file.gama, 0.45455);
}

TEST(PngFile, BkgdGivesAColourOnlyWhenItFitsTheColourType) {
  auto colour = [](const std::string& header, std::initializer_list<std::string> chunks) {
    std::string png = "\x89PNG\r\n\x1a\n" + header;
    for (const auto& chunk : chunks) png += chunk;
    const DecodedPng decoded = DecodePng(png + Chunk("IEND", ""));
    return std::pair(decoded.file.HasBKGDChunk, decoded.file.BkgdColor);
  };
  EXPECT_EQ(colour(Ihdr(1, 1, 4, 0), {Chunk("bKGD", Bytes2(5))}), std::pair(true, 0x555555u));
  EXPECT_EQ(colour(Ihdr(1, 1, 4, 0), {Chunk("bKGD", Bytes2(16))}), std::pair(true, 0u)) << "beyond 4 bits";
  EXPECT_EQ(colour(Ihdr(1, 1, 16, 4), {Chunk("bKGD", Bytes2(0x80FF))}), std::pair(true, 0x808080u));
  EXPECT_EQ(colour(Ihdr(1, 1, 8, 0), {Chunk("bKGD", "\x01")}), std::pair(true, 0u)) << "wrong length";
  EXPECT_EQ(colour(Ihdr(1, 1, 8, 2), {Chunk("bKGD", Bytes2(1) + Bytes2(2) + Bytes2(3))}), std::pair(true, 0x030201u));
  EXPECT_EQ(colour(Ihdr(1, 1, 16, 6), {Chunk("bKGD", Bytes2(0x1234) + Bytes2(0x5678) + Bytes2(0x9ABC))}),
            std::pair(true, 0x9A5612u));
  const std::string plte = Chunk("PLTE", "\x10\x20\x30\x40\x50\x60");
  EXPECT_EQ(colour(Ihdr(1, 1, 8, 3), {plte, Chunk("bKGD", "\x01")}), std::pair(true, 0x605040u));
  EXPECT_EQ(colour(Ihdr(1, 1, 8, 3), {plte, Chunk("bKGD", "\x02")}), std::pair(true, 0u)) << "past the palette";
  EXPECT_EQ(colour(Ihdr(1, 1, 8, 2), {}), std::pair(false, 0u));
}

TEST(PngFile, CodeTablesThatCannotBeBuiltTellTheUserAndDrawNothing) {
  BitWriter dynamic;
  dynamic.Bits(1, 1);
  dynamic.Bits(2, 2);
  dynamic.Bits(0, 10);
  dynamic.Bits(15, 4);
  for (int i = 0; i < 19; ++i) dynamic.Bits(1, 3);
  std::vector<std::string> told;
  const PngNotice notice = [&](const std::string& text) { told.push_back(text); };

  const std::string png = PngOf({Ihdr(2, 2, 8, 2), Chunk("IDAT", "\x78\x01" + dynamic.bytes)});
  const DecodedPng decoded = DecodePng(png, notice);
  EXPECT_EQ(decoded.file.ErrorNumber, 0);
  EXPECT_FALSE(decoded.pixels);
  EXPECT_EQ(told, std::vector<std::string>{"Error in tree creation (Static)"});

  told.clear();
  const DecodedPng text = DecodePng(RgbPng({Chunk("zTXt", std::string("k\0\0\x78\x01", 5) + dynamic.bytes)}), notice);
  EXPECT_EQ(told.size(), 1u) << "the same box for compressed text";
  EXPECT_TRUE(text.pixels) << "and the picture still decodes";
}
