#include "images/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "support/pixels.h"
#include "support/test_env.h"

namespace {
const std::string kData = TESSEL_IMAGE_DATA;

using PictureTest = TesselTest;
}  // namespace

TEST(Picture, EachFormatLoadsItsPixelsTopDown) {
  // Pixels as blue, green, red, alpha (premultiplied); each channel within `tolerance`, for codecs that
  // round. Opaque pictures are drawn by copying.
  const struct { const char* file; int width, height, x, y; Bgra pixel; int tolerance; bool opaque; } cases[] = {
      {"tile.png", 4, 2, 0, 0, {40, 30, 200, 255}, 0, false}, {"tile.png", 4, 2, 3, 1, {128, 0, 0, 128}, 1, false},
      {"TILE.GIF", 3, 3, 0, 0, {0, 255, 0, 255}, 0, false},   {"TILE.GIF", 3, 3, 1, 1, {0, 0, 255, 255}, 0, false},
      {"tile.bmp", 5, 3, 4, 0, {230, 240, 250, 255}, 0, true}, {"tile.bmp", 5, 3, 0, 2, {30, 20, 10, 255}, 0, true},
      {"solid.jpg", 16, 16, 8, 8, {220, 120, 20, 255}, 4, true}};
  for (const auto& c : cases) {
    const Picture picture = LoadPicture(kData + "\\" + c.file);
    ASSERT_TRUE(picture) << c.file;
    EXPECT_EQ(picture.width(), c.width) << c.file;
    EXPECT_EQ(picture.height(), c.height) << c.file;
    EXPECT_EQ(picture.opaque(), c.opaque) << c.file;
    const Bgra got = PixelAt(picture, c.x, c.y);
    for (int channel = 0; channel < 4; ++channel)
      EXPECT_LE(std::abs(got[channel] - c.pixel[channel]), c.tolerance) << c.file << " at " << c.x << "," << c.y;
  }
}

TEST(Picture, OpaquePicturesAreCopiedAndOthersBlendedOverWhatIsThere) {
  const Picture png = LoadPicture(kData + "\\tile.png");
  const Picture bmp = LoadPicture(kData + "\\tile.bmp");
  void* bits = nullptr;
  HBITMAP canvas = CreateTopDownDib(24, 10, 32, &bits);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  std::fill_n(pixels, 240, 0xFF00FF00u);  // green
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, canvas);
  DrawPicture(dc, bmp, {0, 0, 15, 9});   // three times: stretched by whole pixels, not resampled
  DrawPicture(dc, png, {15, 0, 23, 4});  // its bottom-right pixel half-transparent blue
  GdiFlush();
  EXPECT_EQ(pixels[1 * 24 + 14] & 0xFFFFFF, 0xFAF0E6u) << "the bitmap's top-right pixel";
  EXPECT_EQ(pixels[7 * 24 + 0] & 0xFFFFFF, 0x0A141Eu) << "and its bottom-left one";
  EXPECT_EQ(pixels[9 * 24 + 5], 0xFF00FF00u) << "nothing drawn outside";
  const std::uint32_t blended = pixels[3 * 24 + 22];
  EXPECT_NEAR(static_cast<int>(blended & 0xFF), 128, 2) << "half the blue";
  EXPECT_NEAR(static_cast<int>((blended >> 8) & 0xFF), 127, 2) << "half the green beneath";
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(canvas);
}

TEST(Picture, UnknownDamagedMissingOrMislabelledFilesGiveNoPicture) {
  for (const char* name : {"tile.tga", "damaged.png", "fake.jpg", "missing.png"})
    EXPECT_FALSE(LoadPicture(kData + "\\" + name)) << name;
  EXPECT_FALSE(LoadPicture(""));
}

TEST_F(PictureTest, SavedBitmapsLoadBackWithTheSamePixels) {
  const Picture original = LoadPicture(kData + "\\tile.bmp");
  ASSERT_TRUE(SavePicture(original.bitmap(), Path("copy.bmp")));
  const Picture copy = LoadPicture(Path("copy.bmp"));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy.width(), 5);
  EXPECT_EQ(copy.height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(PixelAt(copy, x, y), PixelAt(original, x, y)) << x << "," << y;
  EXPECT_FALSE(SavePicture(nullptr, Path("none.bmp")));
  EXPECT_FALSE(SavePicture(original.bitmap(), Path("no\\folder\\x.bmp"))) << "missing folder";
}
