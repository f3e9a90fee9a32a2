#include "skin/png_pixels.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "skin/inflate.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
struct Pass {
  int row, column, rowStep, columnStep;
};
constexpr std::array<Pass, 7> kAdam7 = {{{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                                         {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}}};

uint64_t PassCount(int size, int start, int step) { return size > start ? (size - start + step - 1) / step : 0; }

// A skin picture is at most a screen: no side over 16384 pixels, no more pixels than an 8K
// screen shows. Larger claims are refused before anything is allocated for them.
constexpr int32_t kMaxSide = 16384;
constexpr uint64_t kMaxPixels = uint64_t{7680} * 4320;

bool SizeAllowed(const PngHeader& header) {
  return header.Width > 0 && header.Height > 0 && header.Width <= kMaxSide && header.Height <= kMaxSide &&
         static_cast<uint64_t>(header.Width) * static_cast<uint64_t>(header.Height) <= kMaxPixels;
}

bool DepthAllowed(int colorType, int depth) {
  switch (colorType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2: case 4: case 6: return depth == 8 || depth == 16;
    default: return false;
  }
}

// Branch-free: on photographic rows the choice is close to random and branches mispredict.
uint8_t Paeth(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  const int takeB = -static_cast<int>(pb <= pc);
  const int nearer = (b & takeB) | (c & ~takeB);
  const int takeA = -static_cast<int>((pa <= pb) & (pa <= pc));
  return static_cast<uint8_t>((a & takeA) | (nearer & ~takeA));
}

#if defined(__SSE2__)
// Paeth on 3- and 4-byte pixels with the bytes of a pixel in 16-bit lanes: the same choice as
// Paeth() above, ties going to the left, then the upper, then the upper-left byte.
template <size_t Bpp>
void PaethRowSse2(const uint8_t* in, uint8_t* out, const uint8_t* prior, size_t n) {
  const __m128i zero = _mm_setzero_si128(), lowBytes = _mm_set1_epi16(0xFF);
  auto load = [](const uint8_t* from) {
    int32_t word = 0;
    std::memcpy(&word, from, Bpp);
    return _mm_cvtsi32_si128(word);
  };
  auto abs16 = [&](__m128i x) { return _mm_max_epi16(x, _mm_sub_epi16(zero, x)); };
  auto select = [](__m128i mask, __m128i yes, __m128i no) {
    return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
  };
  __m128i left = zero, upperLeft = zero;
  for (size_t i = 0; i + Bpp <= n; i += Bpp) {
    const __m128i above = _mm_unpacklo_epi8(load(prior + i), zero);
    const __m128i value = _mm_unpacklo_epi8(load(in + i), zero);
    const __m128i towardsLeft = _mm_sub_epi16(above, upperLeft);
    const __m128i towardsAbove = _mm_sub_epi16(left, upperLeft);
    const __m128i pa = abs16(towardsLeft), pb = abs16(towardsAbove);
    const __m128i pc = abs16(_mm_add_epi16(towardsLeft, towardsAbove));
    const __m128i smallest = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
    const __m128i nearest = select(_mm_cmpeq_epi16(smallest, pa), left,
                                   select(_mm_cmpeq_epi16(smallest, pb), above, upperLeft));
    left = _mm_and_si128(_mm_add_epi16(value, nearest), lowBytes);
    const int32_t word = _mm_cvtsi128_si32(_mm_packus_epi16(left, left));
    std::memcpy(out + i, &word, Bpp);
    upperLeft = above;
  }
}
#endif

// One row. Bpp is the bytes per pixel: the filters chain only from pixel to pixel, so the bytes of
// a pixel are independent lanes, and the left and upper-left pixels are carried in registers
// (`out` may overlay `in`, which would otherwise force a reload after every store).
template <size_t Bpp>
void UnfilterRow(int filter, const uint8_t* in, uint8_t* out, const uint8_t* prior, size_t n) {
  uint8_t left[Bpp] = {}, upperLeft[Bpp] = {};
  const size_t whole = n / Bpp * Bpp;
  switch (filter) {
    case 1:
      for (size_t i = 0; i < whole; i += Bpp)
        for (size_t k = 0; k < Bpp; ++k) out[i + k] = left[k] = static_cast<uint8_t>(in[i + k] + left[k]);
      break;
    case 2:
      for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(in[i] + prior[i]);
      return;
    case 3:
      for (size_t i = 0; i < whole; i += Bpp)
        for (size_t k = 0; k < Bpp; ++k)
          out[i + k] = left[k] = static_cast<uint8_t>(in[i + k] + ((left[k] + prior[i + k]) >> 1));
      break;
    case 4:
#if defined(__SSE2__)
      if constexpr (Bpp == 3 || Bpp == 4) {
        PaethRowSse2<Bpp>(in, out, prior, whole);
        break;
      }
#endif
      for (size_t i = 0; i < whole; i += Bpp) {
        for (size_t k = 0; k < Bpp; ++k) {
          const uint8_t above = prior[i + k];
          out[i + k] = left[k] = static_cast<uint8_t>(in[i + k] + Paeth(left[k], above, upperLeft[k]));
          upperLeft[k] = above;
        }
      }
      break;
    default:  // 0, and any unknown filter, leave the row as it is
      std::memmove(out, in, n);
      return;
  }
  // A row of whole bytes holds whole pixels; with Bpp 1 nothing is left over.
  if (whole != n) std::memmove(out + whole, in + whole, n - whole);
}

template <size_t Bpp>
void UnfilterRows(const uint8_t* in, uint8_t* out, size_t rows, size_t rowBytes) {
  // The row above is kept in a buffer of its own: read in place, it would sit a multiple of
  // 4 KiB below the row being written for common widths, and the processor would take every
  // load from it as possibly depending on the store just made. The row above the first is zeros.
  Bytes prior(rowBytes, 0);
  for (size_t y = 0; y < rows; ++y) {
    const uint8_t* source = in + y * (rowBytes + 1);
    uint8_t* target = out + y * rowBytes;
    UnfilterRow<Bpp>(source[0], source + 1, target, prior.data(), rowBytes);
    std::memcpy(prior.data(), target, rowBytes);
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
  switch (bytesPerPixel) {
    case 1: return UnfilterRows<1>(in, out, rows, rowBytes);
    case 2: return UnfilterRows<2>(in, out, rows, rowBytes);
    case 3: return UnfilterRows<3>(in, out, rows, rowBytes);
    case 4: return UnfilterRows<4>(in, out, rows, rowBytes);
    case 6: return UnfilterRows<6>(in, out, rows, rowBytes);
    default: return UnfilterRows<8>(in, out, rows, rowBytes);
  }
}

std::optional<PngPixels> DecodePixels(const PngFile& file, const PngNotice& notice) {
  const PngHeader& header = file.header;
  const int channels = ChannelsOf(header);
  if (file.treeFailed || channels == 0 || !SizeAllowed(header) || header.Interlacing > 1) return std::nullopt;
  const int bitsPerPixel = header.Bitdepht * channels;
  const uint64_t filteredRow = FilteredRowBytes(static_cast<uint64_t>(header.Width), bitsPerPixel);
  const uint64_t height = static_cast<uint64_t>(header.Height);
  const bool interlaced = header.Interlacing == 1;
  // What the rows need, at least; a stream that cannot inflate to that much is refused unread.
  // Interlaced: every pixel's bits, and the filter bytes of the last pass's rows.
  const uint64_t needed = interlaced ? (static_cast<uint64_t>(header.Width) * bitsPerPixel * height + 7) / 8 + height / 2
                                     : filteredRow * height;
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
