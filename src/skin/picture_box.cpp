#include "skin/picture_box.h"

#include <cstdint>

#include "ui/error_trap.h"
#include "ui/window_class.h"

namespace {
constexpr wchar_t kClassName[] = L"TesselPictureBox";
}  // namespace

PictureBox::~PictureBox() {
  if (hwnd_) {
    Unbind(hwnd_);
    DestroyWindow(hwnd_);
  }
  ReleaseImage();
}

bool PictureBox::Create(HWND parent, int x, int y, int width, int height, bool border, COLORREF backColor) {
  if (hwnd_ || !RegisterWindowClassOnce({kClassName, Procedure})) return false;
  backColor_ = backColor;
  hwnd_ = CreateWindowExW(border ? WS_EX_CLIENTEDGE : 0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, y, width, height,
                          parent, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  RECT inner{};
  GetClientRect(hwnd_, &inner);
  ReleaseImage();  // a box made again after its window was destroyed with its parent
  NewImage(inner.right, inner.bottom);
  return true;
}

void PictureBox::Clear() {
  if (!image_) return;
  HBRUSH brush = CreateSolidBrush(backColor_);
  RECT all{0, 0, width_, height_};
  FillRect(image_, &all, brush);
  DeleteObject(brush);
}

void PictureBox::ResizeInner(int width, int height) {
  if (!hwnd_) return;
  RECT outer{}, inner{};
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &inner);
  const int borderX = (outer.right - outer.left) - inner.right, borderY = (outer.bottom - outer.top) - inner.bottom;
  SetWindowPos(hwnd_, nullptr, 0, 0, width + borderX, height + borderY, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  HDC oldImage = image_;
  HBITMAP oldBitmap = bitmap_;
  HGDIOBJ oldPrevious = previous_;
  const int oldWidth = width_, oldHeight = height_;
  image_ = nullptr;
  NewImage(width, height);
  if (oldImage) {
    BitBlt(image_, 0, 0, oldWidth, oldHeight, oldImage, 0, 0, SRCCOPY);
    SelectObject(oldImage, oldPrevious);
    DeleteObject(oldBitmap);
    DeleteDC(oldImage);
  }
}

void PictureBox::Commit() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

Picture PictureBox::Snapshot() const {
  void* bits = nullptr;
  HBITMAP copy = image_ && width_ > 0 && height_ > 0 ? CreateTopDownDib(width_, height_, 32, &bits) : nullptr;
  if (!copy) return {};
  Picture picture(copy, width_, height_);
  HDC target = CreateCompatibleDC(image_);
  HGDIOBJ previous = SelectObject(target, copy);
  BitBlt(target, 0, 0, width_, height_, image_, 0, 0, SRCCOPY);
  GdiFlush();
  SelectObject(target, previous);
  DeleteDC(target);
  auto* pixels = static_cast<uint32_t*>(bits);
  for (size_t i = 0, n = static_cast<size_t>(width_) * height_; i < n; ++i) pixels[i] |= 0xFF000000u;
  return picture;
}

void PictureBox::NewImage(int width, int height) {
  HDC screen = GetDC(nullptr);
  image_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width > 0 ? width : 1, height > 0 ? height : 1);
  ReleaseDC(nullptr, screen);
  previous_ = SelectObject(image_, bitmap_);
  width_ = width;
  height_ = height;
  Clear();
}

void PictureBox::ReleaseImage() {
  if (!image_) return;
  SelectObject(image_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(image_);
  image_ = nullptr;
}

LRESULT CALLBACK PictureBox::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = BoundObject<PictureBox>(hwnd, msg, lParam);
  if (self && msg == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RunTrapped("PictureBox paint", [&] { BitBlt(dc, 0, 0, self->width_, self->height_, self->image_, 0, 0, SRCCOPY); });
    EndPaint(hwnd, &paint);
    return 0;
  }
  if (self && msg == WM_ERASEBKGND) return 1;
  if (self && msg == WM_NCDESTROY) self->hwnd_ = nullptr;
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}
