#include "skin/layered_window.h"

#include <cmath>

#include "skin/png_gdi.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "ui/twips.h"

LayeredWindow::LayeredWindow() { StartGdiplus(); }

LayeredWindow::~LayeredWindow() { UnloadPNGForm(); }

void LayeredWindow::StartGdiplus() {
  const GdiplusStartupInput input;
  startupStatus_ = GdiplusStartup(&token_, &input, nullptr);
}

void LayeredWindow::UnloadPNGForm() {
  if (startupStatus_ == 0) GdiplusShutdown(token_);
  startupStatus_ = -1;
  token_ = 0;
}

void LayeredWindow::MakeTrans(const std::string& path, HWND window, int32_t width, int32_t height) {
  if (!FileExists(path)) return;
  if (startupStatus_ != 0) StartGdiplus();
  if (startupStatus_ != 0) return;
  const SIZE size{std::lround(static_cast<double>(width) / TwipsPerPixelX()),
                  std::lround(static_cast<double>(height) / TwipsPerPixelY())};

  HDC windowDc = GetDC(window);
  HDC memory = CreateCompatibleDC(windowDc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;  // positive: bottom row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(4 * size.cx * size.cy);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, section);

  void* graphics = nullptr;
  void* image = nullptr;
  GdipCreateFromHDC(memory, &graphics);
  GdipLoadImageFromFile(Widen(path).c_str(), &image);
  UINT imageWidth = 0, imageHeight = 0;
  GdipGetImageWidth(image, &imageWidth);
  GdipGetImageHeight(image, &imageHeight);
  // Unscaled: a larger picture is clipped, a smaller one leaves the rest clear.
  GdipDrawImageRect(graphics, image, 0, 0, static_cast<float>(imageWidth), static_cast<float>(imageHeight));

  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_LAYERED)) SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);

  GdipDisposeImage(image);
  GdipDeleteGraphics(graphics);

  SIZE windowSize = size;
  POINT origin{0, 0};
  UpdateLayeredWindow(window, windowDc, nullptr, &windowSize, memory, &origin, 0, &blend_, ULW_ALPHA);

  SelectObject(memory, previous);
  DeleteObject(section);
  DeleteDC(memory);
  ReleaseDC(window, windowDc);
}
