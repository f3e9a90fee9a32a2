#include "skin/png_pixels.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "skin/inflate.h"

namespace {
struct Pass {
  int row, column, rowStep, columnStep;
};
constexpr std::array<Pass, 7> kAdam7 = {{{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                                         {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}}};

uint64_t PassCount(int size, int start, int step) { return size > start ? (size - start + step - 1) / step : 0; }

bool DepthAllowed(int colorType, int depth) {
  switch (colorType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2: case 4: case 6: return depth == 8 || depth == 16;
    default: return false;
  }
}

uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

void UnfilterRow(int filter, const uint8_t* in, uint8_t* out, const uint8_t* prior, size_t n, size_t bpp) {
  switch (filter) {
    case 1:
      std::memmove(out, in, std::min(n, bpp));
      for (size_t i = bpp; i < n; ++i) out[i] = static_cast<uint8_t>(in[i] + out[i - bpp]);
      return;
    case 2:
      for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(in[i] + prior[i]);
      return;
    case 3:
      for (size_t i = 0; i < std::min(n, bpp); ++i) out[i] = static_cast<uint8_t>(in[i] + (prior[i] >> 1));
      for (size_t i = bpp; i < n; ++i) out[i] = static_cast<uint8_t>(in[i] + ((out[i - bpp] + prior[i]) >> 1));
      return;
    case 4:
      for (size_t i = 0; i < std::min(n, bpp); ++i) out[i] = static_cast<uint8_t>(in[i] + prior[i]);
      for (size_t i = bpp; i < n; ++i)
        out[i] = static_cast<uint8_t>(in[i] + Paeth(out[i - bpp], prior[i], prior[i - bpp]));
      return;
    default:  // 0, and any unknown filter, leave the row as it is
      std::memmove(out, in, n);
      return;
  }
}

// Places one reduced row of a pass into the full image, widening narrow samples to a byte.
void Scatter(const uint8_t* row, uint64_t count, const Pass& pass, int y, int bitsPerPixel, PngPixels& image) {
  uint8_t* target = image.data.data() + static_cast<size_t>(y) * image.rowBytes;
  if (bitsPerPixel < 8) {
    const int mask = (1 << bitsPerPixel) - 1;
    for (uint64_t i = 0; i < count; ++i) {
      const uint64_t bit = i * bitsPerPixel;
      target[pass.column + i * pass.columnStep] =
          static_cast<uint8_t>((row[bit / 8] >> (8 - bitsPerPixel - bit % 8)) & mask);
    }
    return;
  }
  const size_t pixelBytes = static_cast<size_t>(bitsPerPixel / 8);
  for (uint64_t i = 0; i < count; ++i)
    std::memcpy(target + (pass.column + i * pass.columnStep) * pixelBytes, row + i * pixelBytes, pixelBytes);
}

// Adam7: each pass is unfiltered like a small image and its pixels put in their places.
bool Deinterlace(const Bytes& inflated, int bitsPerPixel, PngPixels& image) {
  const size_t bpp = std::max(bitsPerPixel / 8, 1);
  size_t at = 0;
  Bytes rows;
  for (const Pass& pass : kAdam7) {
    const uint64_t columns = PassCount(image.width, pass.column, pass.columnStep);
    const uint64_t lines = PassCount(image.height, pass.row, pass.rowStep);
    if (columns == 0 || lines == 0) continue;
    const size_t rowBytes = static_cast<size_t>(FilteredRowBytes(columns, bitsPerPixel) - 1);
    if ((inflated.size() - at) / (rowBytes + 1) < lines) return false;
    rows.resize(rowBytes * lines);
    Unfilter(inflated.data() + at, rows.data(), lines, rowBytes, bpp);
    at += (rowBytes + 1) * lines;
    for (uint64_t line = 0; line < lines; ++line)
      Scatter(rows.data() + line * rowBytes, columns, pass, static_cast<int>(pass.row + line * pass.rowStep),
              bitsPerPixel, image);
  }
  return true;
}
}  // namespace

int ChannelsOf(const PngHeader& header) {
  if (!DepthAllowed(header.ColorType, header.Bitdepht)) return 0;
  constexpr std::array<int, 7> kChannels = {1, 0, 3, 1, 2, 0, 4};
  return kChannels[header.ColorType];
}

uint64_t FilteredRowBytes(uint64_t width, int bitsPerPixel) { return (width * bitsPerPixel + 7) / 8 + 1; }

void Unfilter(const uint8_t* in, uint8_t* out, size_t rows, size_t rowBytes, size_t bytesPerPixel) {
  // The row above the first counts as zeros.
  Bytes zeros(rowBytes, 0);
  const uint8_t* prior = zeros.data();
  for (size_t y = 0; y < rows; ++y) {
    const uint8_t* source = in + y * (rowBytes + 1);
    uint8_t* target = out + y * rowBytes;
    UnfilterRow(source[0], source + 1, target, prior, rowBytes, bytesPerPixel);
    prior = target;
  }
}

std::optional<PngPixels> DecodePixels(const PngFile& file, const PngNotice& notice) {
  const PngHeader& header = file.header;
  const int channels = ChannelsOf(header);
  if (channels == 0 || header.Width <= 0 || header.Height <= 0 || header.Interlacing > 1) return std::nullopt;
  const int bitsPerPixel = header.Bitdepht * channels;
  const uint64_t filteredRow = FilteredRowBytes(static_cast<uint64_t>(header.Width), bitsPerPixel);
  const uint64_t height = static_cast<uint64_t>(header.Height);
  const bool interlaced = header.Interlacing == 1;
  // What the rows need, at least; a stream that cannot inflate to that much is refused unread.
  const uint64_t needed = interlaced ? (static_cast<uint64_t>(header.Width) * bitsPerPixel / 8) * height : filteredRow * height;
  if (needed > MaxInflatedSize(file.imageData.size())) return std::nullopt;
  const uint64_t capacity = filteredRow * height + (interlaced ? height : 0) + 100;

  bool treeFailed = false;
  Bytes inflated = InflateZlib(file.imageData, capacity, std::min(capacity, MaxInflatedSize(file.imageData.size())),
                               notice, &treeFailed);
  if (treeFailed) return std::nullopt;

  PngPixels image;
  image.width = header.Width;
  image.height = header.Height;
  image.fileDepth = header.Bitdepht;
  image.depth = interlaced && bitsPerPixel < 8 ? 8 : header.Bitdepht;
  image.channels = channels;
  image.rowBytes = static_cast<size_t>(FilteredRowBytes(image.width, image.depth * channels) - 1);
  if (!interlaced) {
    if (inflated.size() / filteredRow < height) return std::nullopt;
    Unfilter(inflated.data(), inflated.data(), static_cast<size_t>(height), image.rowBytes,
             std::max(bitsPerPixel / 8, 1));
    inflated.resize(image.rowBytes * static_cast<size_t>(height));
    image.data = std::move(inflated);
    return image;
  }
  image.data.assign(image.rowBytes * static_cast<size_t>(height), 0);
  if (!Deinterlace(inflated, bitsPerPixel, image)) return std::nullopt;
  return image;
}
