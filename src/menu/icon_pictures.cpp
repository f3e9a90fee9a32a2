#include "menu/icon_pictures.h"

#include <commctrl.h>
#include <shellapi.h>
#include <commoncontrols.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "state/app_state.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
struct Canvas {
  HBITMAP bitmap = nullptr;
  std::uint32_t* pixels = nullptr;
  explicit Canvas(std::uint32_t fill) {
    void* bits = nullptr;
    bitmap = CreateTopDownDib(kIconPictureSize, kIconPictureSize, 32, &bits);
    pixels = static_cast<std::uint32_t*>(bits);
    if (pixels) std::fill_n(pixels, kIconPictureSize * kIconPictureSize, fill);
  }
  ~Canvas() {
    if (bitmap) DeleteObject(bitmap);
  }
  void Draw(HICON icon) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, icon, kIconPictureSize, kIconPictureSize, 0, nullptr, DI_NORMAL);
    GdiFlush();
    SelectObject(dc, previous);
    DeleteDC(dc);
  }
};

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// An RGB pixel as the icon list holds it: the key colour transparent, all else opaque.
std::uint32_t ListPixel(std::uint32_t rgb) {
  const std::uint32_t key = (GetRValue(kIconKeyColor) << 16) | (GetGValue(kIconKeyColor) << 8) | GetBValue(kIconKeyColor);
  return rgb == key ? 0 : rgb | 0xFF000000u;
}

// Drawn once on black and once on white, a pixel's coverage is what the white showing through
// leaves over; half-covered pixels and more become opaque, the rest the key colour.
std::uint32_t Composite(std::uint32_t onBlack, std::uint32_t onWhite) {
  int coverage = 255;
  for (int shift : {0, 8, 16})
    coverage = std::min(coverage, 255 - (Channel(onWhite, shift) - Channel(onBlack, shift)));
  if (coverage < 128) return 0xFF000000u | (GetRValue(kIconKeyColor) << 16) | (GetGValue(kIconKeyColor) << 8) |
                             GetBValue(kIconKeyColor);
  std::uint32_t out = 0xFF000000u;
  for (int shift : {0, 8, 16})
    out |= static_cast<std::uint32_t>(std::min(255, Channel(onBlack, shift) * 255 / coverage)) << shift;
  // A colour that happens to be the key would turn transparent; nudge it off.
  if ((out & 0xFFFFFF) == 0xFF00FF) out ^= 0x010000;
  return out;
}
}  // namespace

Picture RenderIcon(HICON icon) {
  if (!icon) return {};
  Canvas black(0xFF000000u), white(0xFFFFFFFFu), out(0xFF000000u);
  if (!black.pixels || !white.pixels || !out.pixels) return {};
  black.Draw(icon);
  white.Draw(icon);
  for (int i = 0; i < kIconPictureSize * kIconPictureSize; ++i) out.pixels[i] = Composite(black.pixels[i], white.pixels[i]);
  Picture picture(out.bitmap, kIconPictureSize, kIconPictureSize);
  out.bitmap = nullptr;
  return picture;
}

namespace {
// The picture's pixels when it already is a 32-bit icon-sized picture, as cached ones are.
const std::uint32_t* IconSizedPixels(const Picture& picture) {
  DIBSECTION dib{};
  if (picture.width() != kIconPictureSize || picture.height() != kIconPictureSize ||
      GetObjectW(picture.bitmap(), sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBitsPixel != 32 ||
      dib.dsBmih.biHeight >= 0 || !dib.dsBm.bmBits)
    return nullptr;
  GdiFlush();
  return static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
}

// Scaled to the icon size with the halftone filter.
void DrawScaled(const Picture& picture, HBITMAP targetBitmap) {
  HDC screen = GetDC(nullptr);
  HDC target = CreateCompatibleDC(screen), source = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldTarget = SelectObject(target, targetBitmap), oldSource = SelectObject(source, picture.bitmap());
  SetStretchBltMode(target, HALFTONE);
  StretchBlt(target, 0, 0, kIconPictureSize, kIconPictureSize, source, 0, 0, picture.width(), picture.height(),
             SRCCOPY);
  GdiFlush();
  SelectObject(target, oldTarget);
  SelectObject(source, oldSource);
  DeleteDC(target);
  DeleteDC(source);
}
}  // namespace

HBITMAP IconListBitmap(const Picture& picture) {
  if (!picture) return nullptr;
  Canvas out(0);
  if (!out.pixels) return nullptr;
  if (const std::uint32_t* same = IconSizedPixels(picture))
    std::copy_n(same, kIconPictureSize * kIconPictureSize, out.pixels);
  else
    DrawScaled(picture, out.bitmap);
  for (int i = 0; i < kIconPictureSize * kIconPictureSize; ++i) out.pixels[i] = ListPixel(out.pixels[i] & 0xFFFFFF);
  return std::exchange(out.bitmap, nullptr);
}

Picture PictureOfFileIcon(const std::string& path) {
  if (!PathExists(path)) return {};
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(Widen(path).c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX)) return {};
  HICON icon = nullptr;
  IImageList* images = nullptr;
  if (SUCCEEDED(SHGetImageList(SHIL_EXTRALARGE, __uuidof(IImageList), reinterpret_cast<void**>(&images))) && images) {
    images->GetIcon(info.iIcon, ILD_TRANSPARENT, &icon);
    images->Release();
  }
  if (!icon && SHGetFileInfoW(Widen(path).c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_LARGEICON))
    icon = info.hIcon;
  Picture picture = RenderIcon(icon);
  if (icon) DestroyIcon(icon);
  return picture;
}

Picture PictureOfImageFile(const std::string& path) {
  if (!EndsWith(ToLowerAscii(path), ".ico")) return LoadPicture(path);
  if (!FileExists(path)) return {};
  auto icon = static_cast<HICON>(LoadImageW(nullptr, Widen(path).c_str(), IMAGE_ICON, kIconPictureSize,
                                            kIconPictureSize, LR_LOADFROMFILE));
  Picture picture = RenderIcon(icon);
  if (icon) DestroyIcon(icon);
  return picture;
}

std::string CachedIconPath(const std::string& name) {
  return JoinPath(JoinPath(TheApp().ProgramFolder, "Bmp"), name + ".BMP");
}

Picture CachedIconPicture(const std::string& iconFile, const std::string& name) {
  std::string cached = CachedIconPath(name);
  if (Picture picture = LoadPicture(cached)) return picture;
  Picture picture = PictureOfFileIcon(iconFile);
  if (!picture) return picture;
  CreateFolders(JoinPath(TheApp().ProgramFolder, "Bmp"));
  SavePicture(picture.bitmap(), cached);
  return picture;
}

Picture PictureOfSource(const IconSource& source, const std::string& title) {
  Picture shown = source.pictureFile.empty() ? Picture() : PictureOfImageFile(source.pictureFile);
  return shown ? std::move(shown) : CachedIconPicture(source.iconFile, title);
}

HBITMAP IconListBitmapOf(const IconSource& source, const std::string& title) {
  // Most pictures in sight are cached ones, read whole without the picture loader's detours.
  if (HBITMAP cached = CachedIconListBitmap(source.pictureFile.empty() ? CachedIconPath(title) : source.pictureFile))
    return cached;
  return IconListBitmap(PictureOfSource(source, title));
}

HBITMAP CachedIconListBitmap(const std::string& path) {
  constexpr size_t kFileHeader = 14, kInfoHeader = 40;
  constexpr size_t kStride = (kIconPictureSize * 3 + 3) & ~size_t{3};
  std::optional<std::string> bytes = EndsWith(ToLowerAscii(path), ".bmp") ? ReadFileBytes(path) : std::nullopt;
  if (!bytes || bytes->size() < kFileHeader + kInfoHeader || bytes->compare(0, 2, "BM") != 0) return nullptr;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes->data());
  auto field = [&](size_t at, size_t size) {  // little-endian
    std::uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(data[at + i]) << (8 * i);
    return value;
  };
  const std::uint32_t offset = field(10, 4), height = field(kFileHeader + 8, 4);
  const bool ours = field(kFileHeader, 4) == kInfoHeader && field(kFileHeader + 4, 4) == kIconPictureSize &&
                    (height == kIconPictureSize || height == static_cast<std::uint32_t>(-kIconPictureSize)) &&
                    field(kFileHeader + 12, 2) == 1 && field(kFileHeader + 14, 2) == 24 &&
                    field(kFileHeader + 16, 4) == BI_RGB && offset >= kFileHeader + kInfoHeader &&
                    bytes->size() >= offset + kStride * kIconPictureSize;
  if (!ours) return nullptr;
  Canvas out(0);
  if (!out.pixels) return nullptr;
  for (int y = 0; y < kIconPictureSize; ++y) {
    const int row = height == kIconPictureSize ? kIconPictureSize - 1 - y : y;  // positive: bottom-up
    const unsigned char* in = data + offset + row * kStride;
    std::uint32_t* line = out.pixels + y * kIconPictureSize;
    for (int x = 0; x < kIconPictureSize; ++x, in += 3) line[x] = ListPixel((in[2] << 16) | (in[1] << 8) | in[0]);
  }
  return std::exchange(out.bitmap, nullptr);
}
