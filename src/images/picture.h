#pragma once
// Pictures for windows and controls: JPEG, BMP, GIF and PNG files through the platform's codecs.
#include <windows.h>

#include <string>

// A device-independent bitmap (32-bit, premultiplied alpha) owned by the object.
class Picture {
 public:
  Picture() = default;
  // opaque: every pixel's alpha is 255 (JPEG files, 24-bit bitmaps), so it is drawn by copying.
  Picture(HBITMAP bitmap, int width, int height, bool opaque = false)
      : bitmap_(bitmap), width_(width), height_(height), opaque_(opaque) {}
  ~Picture();
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  explicit operator bool() const { return bitmap_ != nullptr; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool opaque() const { return opaque_; }
  // Hands the bitmap over to a new owner (a control that deletes it).
  HBITMAP Release();

 private:
  HBITMAP bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  bool opaque_ = false;
};

// The format is chosen from the file name (.jpg/.jpeg, .bmp, .gif, .png). An unknown format, a
// missing or a damaged file gives an empty picture.
Picture LoadPicture(const std::string& path);

// Draws the picture stretched over the area, blending its alpha over what is there.
void DrawPicture(HDC target, const Picture& picture, const RECT& area);
// Draws the picture over the area in nine pieces: its corners (squares just under half its shorter
// side) keep their size, less on an area too small for them; its edges and middle stretch, so
// rounded panels and bars keep their corners at any size.
void DrawPictureNineSlice(HDC target, const Picture& picture, const RECT& area);

// A device-independent bitmap whose first row is the top one, 24 or 32 bits per pixel, with
// its pixels at *bits; null when it cannot be made.
HBITMAP CreateTopDownDib(int width, int height, int bitsPerPixel, void** bits);

// Writes the bitmap as a 24-bit BMP file, without waiting for the disk: for pictures that can be
// made again (the icon cache). False when it cannot.
bool SavePicture(HBITMAP bitmap, const std::string& path);
