#include "skin/load_png.h"

#include <windows.h>

#include "images/picture.h"
#include "skin/picture_box.h"
#include "skin/png_bitmap.h"
#include "skin/png_pixels.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "ui/error_trap.h"
#include "ui/message_box.h"

namespace {
// The header and palette CreateDIBitmap takes, for up to 256 palette entries.
struct BitmapInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};

// Reads a block of the background picture as 24-bit pixels, top row first. Where the picture
// is smaller than the block, the block shows the picture's back colour.
Bytes BackgroundBlock(const PictureBox& picture, int x, int y, int width, int height, size_t& stride) {
  stride = (static_cast<size_t>(width) * 24 + 31) / 32 * 4;
  void* bits = nullptr;
  HBITMAP section = CreateTopDownDib(width, height, 24, &bits);
  if (!section) return {};
  HDC dc = CreateCompatibleDC(picture.Image());
  HGDIOBJ previous = SelectObject(dc, section);
  HBRUSH brush = CreateSolidBrush(picture.BackColor());
  RECT all{0, 0, width, height};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  BitBlt(dc, 0, 0, std::min(width, picture.InnerWidth() - x), std::min(height, picture.InnerHeight() - y),
         picture.Image(), x, y, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const uint8_t*>(bits);
  Bytes block(first, first + stride * height);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(section);
  return block;
}

void Draw(const PngBitmap& bitmap, PictureBox& target, bool keepSize, int x, int y) {
  BitmapInfo info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = bitmap.width;
  info.header.biHeight = bitmap.height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitmap.bitCount);
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = static_cast<DWORD>(std::min<size_t>(bitmap.palette.size(), 256));
  for (DWORD i = 0; i < info.header.biClrUsed; ++i) {
    const uint32_t color = bitmap.palette[i];
    info.colors[i] = {static_cast<BYTE>(color), static_cast<BYTE>(color >> 8), static_cast<BYTE>(color >> 16), 0};
  }
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateDIBitmap(screen, &info.header, CBM_INIT, bitmap.pixels.data(),
                                   reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (!picture) return;
  target.Clear();
  const int height = bitmap.height < 0 ? -bitmap.height : bitmap.height;
  if (!keepSize) target.ResizeInner(bitmap.width, height);
  HDC memory = CreateCompatibleDC(target.Image());
  HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(target.Image(), x, y, bitmap.width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(picture);
  target.Commit();
}
}  // namespace

std::string LoadPNG::Text() const { return AnsiToUtf8(file_.Text); }
std::string LoadPNG::zText() const { return AnsiToUtf8(file_.zText); }

void LoadPNG::OpenPNG(const std::string& path) {
  file_ = {};
  // A failure inside the decoder abandons this one picture; the caller carries on.
  RunTrapped("OpenPNG", [&] {
    const auto bytes = ReadFileBytes(path);
    if (bytes) Decode(*bytes);
  });
}

void LoadPNG::Decode(const std::string& bytes) {
  const PngNotice notice = [](const std::string& text) { ShowMessageBox(text, MB_OK); };
  file_ = ReadPngFile({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, notice);
  if (file_.ErrorNumber != 0) return;
  auto pixels = DecodePixels(file_, notice);
  if (!pixels) return;
  const PngCompositing compositing{trans_, alpha_};
  PngBackdrop backdrop{{}, 0, ownColorOn_ ? ownColor_ : file_.BkgdColor};
  Bytes block;
  if (Composites(file_, compositing) && toBackground_ && background_) {
    block = BackgroundBlock(*background_, backgroundX_, backgroundY_, pixels->width, pixels->height, backdrop.stride);
    backdrop.pixels = block;
  }
  const PngBitmap bitmap = ToBitmap(file_, std::move(*pixels), compositing, backdrop);
  if (target_) Draw(bitmap, *target_, toBackground_, drawX_, drawY_);
}
