#include "menu/icon_pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "store/files.h"
#include "store/system_info.h"
#include "support/test_env.h"

namespace {
using IconPicturesTest = TesselTest;

std::uint32_t ArgbAt(const Picture& picture, int x, int y) {
  DIBSECTION dib{};
  GetObjectW(picture.bitmap(), sizeof(dib), &dib);
  const auto* row = static_cast<const BYTE*>(dib.dsBm.bmBits) + y * dib.dsBm.bmWidthBytes;
  return *reinterpret_cast<const std::uint32_t*>(row + x * 4);
}
std::uint32_t PixelAt(const Picture& picture, int x, int y) { return ArgbAt(picture, x, y) & 0xFFFFFF; }

// Left half transparent, right half opaque red, a quarter-covered column between.
HICON HalfRedIcon() {
  std::vector<std::uint32_t> pixels(kIconPictureSize * kIconPictureSize);
  for (size_t i = 0; i < pixels.size(); ++i) {
    const size_t x = i % kIconPictureSize;
    pixels[i] = x < 24 ? 0 : x == 24 ? 0x40400000u : 0xFFFF0000u;
  }
  std::vector<BYTE> mask(pixels.size() / 8, 0);
  return CreateIcon(nullptr, kIconPictureSize, kIconPictureSize, 1, 32, mask.data(),
                    reinterpret_cast<const BYTE*>(pixels.data()));
}
}  // namespace

TEST_F(IconPicturesTest, TransparentPartsBecomeTheKeyColourAndOpaquePartsKeepTheirColour) {
  HICON icon = HalfRedIcon();
  ASSERT_NE(icon, nullptr);
  Picture picture = RenderIcon(icon);
  DestroyIcon(icon);
  ASSERT_TRUE(picture);
  EXPECT_EQ(PixelAt(picture, 3, 10), 0xFF00FFu) << "transparent";
  EXPECT_EQ(PixelAt(picture, 24, 10), 0xFF00FFu) << "a quarter covered";
  EXPECT_EQ(PixelAt(picture, 40, 10), 0xFF0000u) << "opaque red";
  EXPECT_FALSE(RenderIcon(nullptr));
}

TEST_F(IconPicturesTest, AFileIconIsCachedInBmpAndServedFromThereAfterwards) {
  std::string notepad = JoinPath(GetSpecialFolder(37), "notepad.exe");
  Picture first = CachedIconPicture(notepad, "메모장");
  ASSERT_TRUE(first);

  Picture cached = CachedIconPicture(Path("gone.lnk"), "메모장");
  ASSERT_TRUE(cached) << "the cache serves a file that has gone";
  EXPECT_EQ(PixelAt(cached, 20, 20), PixelAt(first, 20, 20));

  EXPECT_FALSE(CachedIconPicture(Path("gone.lnk"), "없음"));
  EXPECT_FALSE(FileExists(Path("Bmp\\없음.BMP"))) << "nothing cached for a missing file";
  WriteBytes("bad.ico", "not an icon");
  EXPECT_FALSE(PictureOfImageFile(Path("bad.ico")));
}

TEST_F(IconPicturesTest, CachedPicturesAreReadStraightIntoTheListsFormAsTheLoaderWouldGiveThem) {
  HICON icon = HalfRedIcon();
  Picture picture = RenderIcon(icon);
  DestroyIcon(icon);
  CreateFolders(Path("Bmp"));
  ASSERT_TRUE(SavePicture(picture.bitmap(), Path("Bmp\\반쪽.BMP")));
  HBITMAP straight = CachedIconListBitmap(Path("Bmp\\반쪽.BMP"));
  HBITMAP loaded = IconListBitmap(LoadPicture(Path("Bmp\\반쪽.BMP")));
  ASSERT_TRUE(straight && loaded);
  Picture a(straight, kIconPictureSize, kIconPictureSize), b(loaded, kIconPictureSize, kIconPictureSize);
  for (int y : {0, 10, 47})
    for (int x : {3, 24, 40})
      EXPECT_EQ(ArgbAt(a, x, y), ArgbAt(b, x, y)) << x << "," << y;
  EXPECT_EQ(ArgbAt(a, 3, 10), 0u) << "the key colour is transparent";
  EXPECT_EQ(ArgbAt(a, 40, 10), 0xFFFF0000u);

  WriteBytes("Bmp\\짧은.BMP", ReadBytes("Bmp\\반쪽.BMP").substr(0, 3000));
  EXPECT_EQ(CachedIconListBitmap(Path("Bmp\\짧은.BMP")), nullptr) << "cut short: left to the loader";
  WriteBytes("Bmp\\아님.BMP", "BM not a bitmap");
  EXPECT_EQ(CachedIconListBitmap(Path("Bmp\\아님.BMP")), nullptr);
  EXPECT_EQ(CachedIconListBitmap(Path("Bmp\\없음.BMP")), nullptr);
}
