#include "images/picture.h"

#include <gtest/gtest.h>

#include <array>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "support/test_env.h"

namespace {
const std::string kData = TESSEL_IMAGE_DATA;

using Bgra = std::array<int, 4>;

Bgra PixelAt(const Picture& picture, int x, int y) {
  DIBSECTION dib{};
  GetObjectW(picture.bitmap(), sizeof(dib), &dib);
  const BYTE* pixel = static_cast<const BYTE*>(dib.dsBm.bmBits) + y * dib.dsBm.bmWidthBytes + x * 4;
  return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

// Each channel within `tolerance`, for codecs that round.
void ExpectPixel(const Picture& picture, int x, int y, Bgra want, int tolerance = 0) {
  const Bgra got = PixelAt(picture, x, y);
  for (int c = 0; c < 4; ++c)
    EXPECT_LE(std::abs(got[c] - want[c]), tolerance) << "BGRA channel " << c << " at " << x << "," << y;
}

using PictureTest = TesselTest;
}  // namespace

TEST(Picture, EachFormatLoadsItsPixelsTopDown) {
  const Picture png = LoadPicture(kData + "\\tile.png");
  ASSERT_TRUE(png);
  EXPECT_EQ(png.width(), 4);
  EXPECT_EQ(png.height(), 2);
  ExpectPixel(png, 0, 0, {40, 30, 200, 255});
  ExpectPixel(png, 3, 1, {128, 0, 0, 128}, 1);  // half-transparent blue, premultiplied

  const Picture gif = LoadPicture(kData + "\\TILE.GIF");
  ASSERT_TRUE(gif) << "the extension in capitals";
  ExpectPixel(gif, 0, 0, {0, 255, 0, 255});
  ExpectPixel(gif, 1, 1, {0, 0, 255, 255});

  const Picture bmp = LoadPicture(kData + "\\tile.bmp");
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp.width(), 5);
  ExpectPixel(bmp, 4, 0, {230, 240, 250, 255});
  ExpectPixel(bmp, 0, 2, {30, 20, 10, 255});

  const Picture jpeg = LoadPicture(kData + "\\solid.jpg");
  ASSERT_TRUE(jpeg);
  ExpectPixel(jpeg, 8, 8, {220, 120, 20, 255}, 4);
  EXPECT_TRUE(jpeg.opaque() && bmp.opaque()) << "drawn by copying";
  EXPECT_FALSE(png.opaque() || gif.opaque());
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
