#pragma once
// LoadPNG: reads one PNG file with our own decoder and draws it into a picture control,
// blending its transparent pixels over a background picture or a flat colour.
// Set up the target and background, call OpenPNG, read the outcome from the getters.
#include <cstdint>
#include <string>

#include "skin/png_file.h"

class PictureBox;

class LoadPNG {
 public:
  void OpenPNG(const std::string& path);
  int32_t Width() const { return file_.header.Width; }
  int32_t Height() const { return file_.header.Height; }
  int32_t Bitdepht() const { return file_.header.Bitdepht; }
  int32_t ColorType() const { return file_.header.ColorType; }
  int32_t Compression() const { return file_.header.Compression; }
  int32_t Filter() const { return file_.header.Filter; }
  int32_t Interlacing() const { return file_.header.Interlacing; }
  int32_t ErrorNumber() const { return file_.ErrorNumber; }
  bool HaveAlpha() const { return file_.header.ColorType == 4 || file_.header.ColorType == 6; }
  bool HaveTransparence() const { return file_.HaveTransparence; }
  void SetTrans(bool on) { trans_ = on; }
  void SetAlpha(bool on) { alpha_ = on; }
  bool HasBKGDChunk() const { return file_.HasBKGDChunk; }
  uint32_t BkgdColor() const { return file_.BkgdColor; }
  std::string Text() const;
  std::string zText() const;
  std::string ModiTime() const { return file_.ModiTime; }
  double gama() const { return file_.gama; }
  void BackgroundPicture(PictureBox* picture) { background_ = picture; }
  void SetOwnBkgndColor(bool on, uint32_t color) {
    ownColorOn_ = on;
    ownColor_ = color;
  }
  void PicBox(PictureBox* picture) { target_ = picture; }
  void SetToBkgrnd(bool on, int x, int y) {
    toBackground_ = on;
    backgroundX_ = x;
    backgroundY_ = y;
  }
  void SetToXY(int x, int y) {
    drawX_ = x;
    drawY_ = y;
  }

 private:
  void Decode(const std::string& bytes);

  PngFile file_;
  bool trans_ = false, alpha_ = false;
  PictureBox* background_ = nullptr;
  PictureBox* target_ = nullptr;
  bool ownColorOn_ = false;
  uint32_t ownColor_ = 0;
  bool toBackground_ = false;
  int backgroundX_ = 0, backgroundY_ = 0;
  int drawX_ = 0, drawY_ = 0;
};
