#include "images/resample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
constexpr std::uint32_t kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu, kRed = 0xFFFF0000u, kClear = 0;

Picture Make(const std::vector<std::uint32_t>& pixels, int width) {
  const int height = static_cast<int>(pixels.size()) / width;
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(width, height, 32, &bits);
  std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
  return Picture(bitmap, width, height);
}

Picture Row(const std::vector<std::uint32_t>& pixels) { return Make(pixels, static_cast<int>(pixels.size())); }

std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap) {
  DIBSECTION dib{};
  GetObjectW(bitmap, sizeof(dib), &dib);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
  return {first, first + dib.dsBm.bmWidth * dib.dsBm.bmHeight};
}

// The picture drawn over a black row of the given width, as a window paints it.
std::vector<std::uint32_t> Drawn(const Picture& picture, int width) {
  void* bits = nullptr;
  HBITMAP canvas = CreateTopDownDib(width, 1, 32, &bits);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, canvas);
  DrawPicture(dc, picture, {0, 0, width, 1});
  SelectObject(dc, previous);
  DeleteDC(dc);
  std::vector<std::uint32_t> pixels = PixelsOf(canvas);
  DeleteObject(canvas);
  return pixels;
}

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }
}  // namespace

TEST(Resample, EnlargingBlendsNeighboursAndKeepsTheEnds) {
  const Picture resampled = ResampleBilinear(Row({kBlack, kWhite}), 4, 1);
  ASSERT_TRUE(resampled);
  EXPECT_EQ(resampled.width(), 4);
  const std::vector<std::uint32_t> pixels = PixelsOf(resampled.bitmap());
  EXPECT_EQ(pixels[0], kBlack);
  EXPECT_EQ(pixels[3], kWhite);
  EXPECT_LT(Channel(pixels[0], 0), Channel(pixels[1], 0));
  EXPECT_LT(Channel(pixels[1], 0), Channel(pixels[2], 0));
  EXPECT_LT(Channel(pixels[2], 0), 255);

  const std::vector<std::uint32_t> column = PixelsOf(ResampleBilinear(Make({kBlack, kWhite}, 1), 1, 3).bitmap());
  EXPECT_EQ(column.front(), kBlack) << "the top stays on top";
  EXPECT_EQ(column.back(), kWhite);

  // Premultiplied: beside a see-through pixel, no channel outgrows the alpha (no coloured fringe).
  for (std::uint32_t pixel : PixelsOf(ResampleBilinear(Row({kRed, kClear}), 3, 1).bitmap()))
    for (int shift : {0, 8, 16}) EXPECT_LE(Channel(pixel, shift), Channel(pixel, 24));
}

TEST(Resample, DrawingBlendsWhatTheScreensScaleEnlargesButNotAStretchedTile) {
  const Picture picture = Row({kBlack, kWhite});
  const std::vector<std::uint32_t> scaled = Drawn(picture, 3);  // 150 %
  EXPECT_GT(Channel(scaled[1], 0), 0);
  EXPECT_LT(Channel(scaled[1], 0), 255);
  for (std::uint32_t pixel : Drawn(picture, 8))  // a tile over a window: whole pixels, as ever
    EXPECT_TRUE((pixel & 0xFFFFFF) == 0 || (pixel & 0xFFFFFF) == 0xFFFFFF) << std::hex << pixel;
  EXPECT_EQ(Drawn(picture, 2), (std::vector<std::uint32_t>{kBlack, kWhite})) << "at its own size, untouched";
}
