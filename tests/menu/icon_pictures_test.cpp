#include "menu/icon_pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "store/files.h"
#include "store/system_info.h"
#include "support/test_env.h"

namespace {
using IconPicturesTest = TesselTest;

std::uint32_t PixelAt(const Picture& picture, int x, int y) {
  DIBSECTION dib{};
  GetObjectW(picture.bitmap(), sizeof(dib), &dib);
  const auto* row = static_cast<const BYTE*>(dib.dsBm.bmBits) + y * dib.dsBm.bmWidthBytes;
  return *reinterpret_cast<const std::uint32_t*>(row + x * 4) & 0xFFFFFF;
}

// Left half transparent, right half opaque red, a half-covered column between.
HICON HalfRedIcon() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kIconPictureSize;
  info.bmiHeader.biHeight = -kIconPictureSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < kIconPictureSize; ++y)
    for (int x = 0; x < kIconPictureSize; ++x)
      pixels[y * kIconPictureSize + x] = x < 24 ? 0 : x == 24 ? 0x40400000u : 0xFFFF0000u;
  std::vector<BYTE> maskBits(kIconPictureSize * kIconPictureSize / 8, 0);
  HBITMAP mask = CreateBitmap(kIconPictureSize, kIconPictureSize, 1, 1, maskBits.data());
  ICONINFO iconInfo{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&iconInfo);
  DeleteObject(color);
  DeleteObject(mask);
  return icon;
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
  CreateDirectoryA(Path("Bmp").c_str(), nullptr);
  std::string notepad = JoinPath(GetSpecialFolder(37), "notepad.exe");
  Picture first = CachedIconPicture(notepad, "메모장");
  ASSERT_TRUE(first);
  EXPECT_TRUE(FileExists(Path("Bmp\\메모장.BMP")));

  Picture cached = CachedIconPicture(Path("gone.lnk"), "메모장");
  ASSERT_TRUE(cached) << "the cache serves a file that has gone";
  EXPECT_EQ(PixelAt(cached, 20, 20), PixelAt(first, 20, 20));

  EXPECT_FALSE(CachedIconPicture(Path("gone.lnk"), "없음"));
  EXPECT_FALSE(FileExists(Path("Bmp\\없음.BMP"))) << "nothing cached for a missing file";
  WriteBytes("bad.ico", "not an icon");
  EXPECT_FALSE(PictureOfImageFile(Path("bad.ico")));
}
