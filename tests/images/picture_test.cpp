#include "images/picture.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/pixels.h"
#include "support/test_env.h"

namespace {
const std::string kData = TESSEL_IMAGE_DATA;

using PictureTest = TesselTest;
}  // namespace

TEST(Picture, EachFormatLoadsItsPixelsTopDown) {
  // Pixels as blue, green, red, alpha (premultiplied); each channel within `tolerance`, for codecs that round.
  const struct { const char* file; int width, height, x, y; Bgra pixel; int tolerance; } cases[] = {
      {"tile.png", 4, 2, 0, 0, {40, 30, 200, 255}, 0}, {"tile.png", 4, 2, 3, 1, {128, 0, 0, 128}, 1},
      {"TILE.GIF", 3, 3, 0, 0, {0, 255, 0, 255}, 0},   {"TILE.GIF", 3, 3, 1, 1, {0, 0, 255, 255}, 0},
      {"tile.bmp", 5, 3, 4, 0, {230, 240, 250, 255}, 0}, {"tile.bmp", 5, 3, 0, 2, {30, 20, 10, 255}, 0},
      {"solid.jpg", 16, 16, 8, 8, {220, 120, 20, 255}, 4}};
  for (const auto& c : cases) {
    const Picture picture = LoadPicture(kData + "\\" + c.file);
    ASSERT_TRUE(picture) << c.file;
    EXPECT_EQ(picture.width(), c.width) << c.file;
    EXPECT_EQ(picture.height(), c.height) << c.file;
    const Bgra got = PixelAt(picture, c.x, c.y);
    for (int channel = 0; channel < 4; ++channel)
      EXPECT_LE(std::abs(got[channel] - c.pixel[channel]), c.tolerance) << c.file << " at " << c.x << "," << c.y;
  }
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
