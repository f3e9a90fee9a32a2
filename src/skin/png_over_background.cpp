#include "skin/png_over_background.h"

#include "skin/load_png.h"
#include "skin/picture_box.h"
#include "store/files.h"

Picture PngOverBackground(const std::string& path, PictureBox& background, const RECT& place, PictureBox& scratch) {
  const int width = place.right - place.left, height = place.bottom - place.top;
  scratch.ResizeInner(width, height);
  BitBlt(scratch.Image(), 0, 0, width, height, background.Image(), place.left, place.top, SRCCOPY);
  if (FileExists(path)) {
    LoadPNG png;
    png.PicBox(&scratch);
    png.SetToBkgrnd(true, place.left, place.top);
    png.SetToXY(0, 0);
    png.BackgroundPicture(&background);
    png.SetAlpha(true);
    png.SetTrans(true);
    png.OpenPNG(path);
  }
  return scratch.Snapshot();
}
