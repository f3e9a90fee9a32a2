#include "images/picture.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <utility>

#include "images/resample.h"
#include "store/com.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
// The imaging factory stays with a thread from its first picture to its end: a menu loads
// hundreds of pictures, and creating it for each costs more than the decoding.
IWICImagingFactory* ImagingFactory() {
  EnsureComForThisThread();
  thread_local ComPtr<IWICImagingFactory> factory;
  if (!factory)
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.out()));
  return factory.get();
}

const GUID* DecoderFor(const std::string& path) {
  std::string name = ToLowerAscii(path);
  std::string extension = name.substr(name.find_last_of('.') == std::string::npos ? name.size()
                                                                                   : name.find_last_of('.'));
  if (extension == ".jpg" || extension == ".jpeg") return &CLSID_WICJpegDecoder;
  if (extension == ".bmp") return &CLSID_WICBmpDecoder;
  if (extension == ".gif") return &CLSID_WICGifDecoder;
  if (extension == ".png") return &CLSID_WICPngDecoder;
  return nullptr;
}

// A new decoder of the kind. The kinds' class objects stay with the thread as the factory does:
// asking COM for a class by its identifier looks it up in the registry every time.
bool NewDecoder(const GUID& decoderId, ComPtr<IWICBitmapDecoder>& decoder) {
  thread_local std::map<GUID, ComPtr<IClassFactory>, bool (*)(const GUID&, const GUID&)> classes(
      [](const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof(GUID)) < 0; });
  ComPtr<IClassFactory>& kind = classes[decoderId];
  if (!kind && FAILED(CoGetClassObject(decoderId, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(kind.out()))))
    return false;
  return SUCCEEDED(kind->CreateInstance(nullptr, IID_PPV_ARGS(decoder.out())));
}

Picture Decode(const GUID& decoderId, const std::string& path) {
  IWICImagingFactory* factory = ImagingFactory();
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (!factory || !NewDecoder(decoderId, decoder) ||
      FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromFilename(Widen(path).c_str(), GENERIC_READ)) ||
      FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand)) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)))
    return {};
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 16384 ||
      height > 16384)
    return {};
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(static_cast<int>(width), static_cast<int>(height), 32, &bits);
  if (!bitmap) return {};
  // A JPEG has no transparency.
  Picture picture(bitmap, static_cast<int>(width), static_cast<int>(height), decoderId == CLSID_WICJpegDecoder);
  UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) return {};
  return picture;
}

// Rows of 24-bit pixels straight into the 32-bit picture: no device contexts needed.
void CopyRgbRows(const DIBSECTION& dib, std::uint32_t* pixels) {
  const int width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
  const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
  for (int y = 0; y < height; ++y) {
    int sourceRow = dib.dsBmih.biHeight > 0 ? height - 1 - y : y;
    const std::uint8_t* in = bits + static_cast<size_t>(sourceRow) * dib.dsBm.bmWidthBytes;
    std::uint32_t* out = pixels + static_cast<size_t>(y) * width;
    for (int x = 0; x < width; ++x, in += 3) out[x] = 0xFF000000u | (in[2] << 16) | (in[1] << 8) | in[0];
  }
}

void BlitOpaque(HBITMAP from, HBITMAP to, const DIBSECTION& dib, std::uint32_t* pixels) {
  HDC source = CreateCompatibleDC(nullptr), target = CreateCompatibleDC(nullptr);
  HGDIOBJ oldSource = SelectObject(source, from), oldTarget = SelectObject(target, to);
  BitBlt(target, 0, 0, dib.dsBm.bmWidth, dib.dsBm.bmHeight, source, 0, 0, SRCCOPY);
  GdiFlush();
  SelectObject(source, oldSource);
  SelectObject(target, oldTarget);
  DeleteDC(source);
  DeleteDC(target);
  for (size_t i = 0, n = static_cast<size_t>(dib.dsBm.bmWidth) * dib.dsBm.bmHeight; i < n; ++i)
    pixels[i] |= 0xFF000000u;
}

// Opaque bitmaps (the 24-bit files SavePicture writes, the icon cache among them) through the
// system's own bitmap reader, several times faster than a codec; others go to the codec.
Picture LoadOpaqueBitmap(const std::string& path) {
  auto loaded = static_cast<HBITMAP>(
      LoadImageW(nullptr, Widen(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!loaded) return {};
  DIBSECTION dib{};
  bool opaque = GetObjectW(loaded, sizeof(dib), &dib) == sizeof(dib) && dib.dsBm.bmBitsPixel <= 24 &&
                dib.dsBm.bmWidth > 0 && dib.dsBm.bmHeight > 0 && dib.dsBm.bmWidth <= 16384 && dib.dsBm.bmHeight <= 16384;
  Picture picture;
  void* bits = nullptr;
  HBITMAP bitmap = opaque ? CreateTopDownDib(dib.dsBm.bmWidth, dib.dsBm.bmHeight, 32, &bits) : nullptr;
  if (bitmap) {
    picture = Picture(bitmap, dib.dsBm.bmWidth, dib.dsBm.bmHeight, true);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    if (dib.dsBm.bmBitsPixel == 24 && dib.dsBm.bmBits)
      CopyRgbRows(dib, pixels);
    else
      BlitOpaque(loaded, bitmap, dib, pixels);
  }
  DeleteObject(loaded);
  return picture;
}
}  // namespace

Picture::~Picture() {
  if (bitmap_) DeleteObject(bitmap_);
}

Picture::Picture(Picture&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)), width_(other.width_), height_(other.height_),
      opaque_(other.opaque_) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    width_ = other.width_;
    height_ = other.height_;
    opaque_ = other.opaque_;
  }
  return *this;
}

HBITMAP CreateTopDownDib(int width, int height, int bitsPerPixel, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

HBITMAP Picture::Release() { return std::exchange(bitmap_, nullptr); }

Picture LoadPicture(const std::string& path) {
  const GUID* decoder = DecoderFor(path);
  if (!decoder || !FileExists(path)) return {};
  if (decoder == &CLSID_WICBmpDecoder)
    if (Picture picture = LoadOpaqueBitmap(path)) return picture;
  return Decode(*decoder, path);
}

namespace {
// One piece of a picture selected into source, stretched over the target's rectangle: copied
// when it is opaque (several times faster over a whole window), else blended by its alpha.
void DrawPiece(HDC target, RECT to, HDC source, RECT from, bool opaque) {
  const int width = to.right - to.left, height = to.bottom - to.top;
  const int sourceWidth = from.right - from.left, sourceHeight = from.bottom - from.top;
  if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;
  if (opaque) {
    int mode = SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, to.left, to.top, width, height, source, from.left, from.top, sourceWidth, sourceHeight, SRCCOPY);
    SetStretchBltMode(target, mode);
    return;
  }
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(target, to.left, to.top, width, height, source, from.left, from.top, sourceWidth, sourceHeight, blend);
}
}  // namespace

void DrawPicture(HDC target, const Picture& picture, const RECT& area) {
  if (!picture) return;
  const int width = area.right - area.left, height = area.bottom - area.top;
  // Enlarged by up to twice, as the screen's scale does to the skin, a picture is resampled; a
  // tile stretched over a window is not worth it.
  const bool enlarged = width >= picture.width() && height >= picture.height() &&
                        (width > picture.width() || height > picture.height()) && width <= 2 * picture.width() &&
                        height <= 2 * picture.height();
  const Picture smooth = enlarged ? ResampleBilinear(picture, width, height) : Picture();
  const Picture& drawn = smooth ? smooth : picture;
  HDC source = CreateCompatibleDC(target);
  HGDIOBJ previous = SelectObject(source, drawn.bitmap());
  DrawPiece(target, area, source, {0, 0, drawn.width(), drawn.height()}, picture.opaque());
  SelectObject(source, previous);
  DeleteDC(source);
}

void DrawPictureNineSlice(HDC target, const Picture& picture, const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (!picture || width <= 0 || height <= 0) return;
  const int corner = (std::min(picture.width(), picture.height()) - 1) / 2;  // a middle remains
  const int drawn = std::min({corner, width / 2, height / 2});
  // Cuts of the picture and of the area: start, end of the first corner, start of the last, end.
  const int sourceX[] = {0, corner, picture.width() - corner, picture.width()};
  const int sourceY[] = {0, corner, picture.height() - corner, picture.height()};
  const int targetX[] = {static_cast<int>(area.left), static_cast<int>(area.left) + drawn,
                         static_cast<int>(area.right) - drawn, static_cast<int>(area.right)};
  const int targetY[] = {static_cast<int>(area.top), static_cast<int>(area.top) + drawn,
                         static_cast<int>(area.bottom) - drawn, static_cast<int>(area.bottom)};
  HDC source = CreateCompatibleDC(target);
  HGDIOBJ previous = SelectObject(source, picture.bitmap());
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      DrawPiece(target, {targetX[column], targetY[row], targetX[column + 1], targetY[row + 1]}, source,
                {sourceX[column], sourceY[row], sourceX[column + 1], sourceY[row + 1]}, picture.opaque());
  SelectObject(source, previous);
  DeleteDC(source);
}

bool SavePicture(HBITMAP bitmap, const std::string& path) {
  BITMAP shape{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(shape), &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0)
    return false;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = shape.bmWidth;
  header.biHeight = shape.bmHeight;  // bottom-up, as BMP readers expect
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  DWORD stride = ((static_cast<DWORD>(shape.bmWidth) * 3 + 3) & ~3u);
  header.biSizeImage = stride * static_cast<DWORD>(shape.bmHeight);

  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;

  std::string bytes(fileHeader.bfSize, '\0');
  memcpy(bytes.data(), &fileHeader, sizeof(fileHeader));
  memcpy(bytes.data() + sizeof(fileHeader), &header, sizeof(header));
  HDC screen = GetDC(nullptr);
  int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(shape.bmHeight), bytes.data() + fileHeader.bfOffBits,
                        reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return lines == shape.bmHeight && ReplaceFileBytes(path, bytes, false);
}
