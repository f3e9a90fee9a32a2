#pragma once
// A picture control: a child window that shows its persistent picture. Drawing goes into its
// image (a bitmap of the inner size behind a memory device context); Commit makes that the
// picture it paints. The skinned windows put PNG art and their background on these.
#include <windows.h>

#include "images/picture.h"

class PictureBox {
 public:
  PictureBox() = default;
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // A child of `parent` at (x, y) with an outer size in pixels; `border` adds a sunken edge.
  bool Create(HWND parent, int x, int y, int width, int height, bool border = false,
              COLORREF backColor = RGB(240, 240, 240));
  HWND hwnd() const { return hwnd_; }
  COLORREF BackColor() const { return backColor_; }
  int InnerWidth() const { return width_; }
  int InnerHeight() const { return height_; }

  HDC Image() const { return image_; }
  // The image filled with the back colour.
  void Clear();
  // Resizes the window so that its inner area is width by height, its border kept; the image
  // keeps what it held, new parts in the back colour.
  void ResizeInner(int width, int height);
  // The image becomes the picture shown.
  void Commit();
  // A copy of the image as an opaque picture.
  Picture Snapshot() const;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void NewImage(int width, int height);
  void ReleaseImage();

  HWND hwnd_ = nullptr;
  HDC image_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  COLORREF backColor_ = 0;
  int width_ = 0, height_ = 0;
};
