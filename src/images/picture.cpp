#include "images/picture.h"

#include <wincodec.h>

#include <utility>

#include "store/files.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
template <class T>
struct ComPtr {
  T* p = nullptr;
  ~ComPtr() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

// COM for the calling thread, for as long as one load runs; harmless when already initialised.
struct ComScope {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ~ComScope() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

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

HBITMAP CreateTopDownDib(UINT width, UINT height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

Picture Decode(const GUID& decoderId, const std::string& path) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(CoCreateInstance(decoderId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&decoder))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromFilename(Widen(path).c_str(), GENERIC_READ)) ||
      FAILED(decoder->Initialize(stream.p, WICDecodeMetadataCacheOnDemand)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)))
    return {};
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 16384 ||
      height > 16384)
    return {};
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(width, height, &bits);
  if (!bitmap) return {};
  Picture picture(bitmap, static_cast<int>(width), static_cast<int>(height));
  UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) return {};
  return picture;
}

}  // namespace

Picture::~Picture() {
  if (bitmap_) DeleteObject(bitmap_);
}

Picture::Picture(Picture&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)), width_(other.width_), height_(other.height_) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    width_ = other.width_;
    height_ = other.height_;
  }
  return *this;
}

HBITMAP Picture::Release() { return std::exchange(bitmap_, nullptr); }

Picture LoadPicture(const std::string& path) {
  const GUID* decoder = DecoderFor(path);
  if (!decoder || !FileExists(path)) return {};
  ComScope com;
  return Decode(*decoder, path);
}

void DrawPicture(HDC target, const Picture& picture, const RECT& area) {
  if (!picture) return;
  HDC source = CreateCompatibleDC(target);
  HGDIOBJ previous = SelectObject(source, picture.bitmap());
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(target, area.left, area.top, area.right - area.left, area.bottom - area.top, source, 0, 0,
             picture.width(), picture.height(), blend);
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
  return lines == shape.bmHeight && ReplaceFileBytes(path, bytes);
}
