#include "images/resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
// Where each target column (or row) samples the source: the two neighbours and the weight of the
// second, pixel centres lined up.
struct Tap {
  int first, second;
  float weight;
};

std::vector<Tap> Taps(int from, int to) {
  std::vector<Tap> taps(static_cast<size_t>(to));
  for (int i = 0; i < to; ++i) {
    float at = std::clamp((static_cast<float>(i) + 0.5f) * static_cast<float>(from) / static_cast<float>(to) - 0.5f,
                          0.0f, static_cast<float>(from - 1));
    int first = static_cast<int>(at);
    taps[static_cast<size_t>(i)] = {first, std::min(first + 1, from - 1), at - static_cast<float>(first)};
  }
  return taps;
}

std::uint32_t Blend(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d, float x, float y) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    auto channel = [shift](std::uint32_t pixel) { return static_cast<float>((pixel >> shift) & 0xFF); };
    float top = channel(a) + (channel(b) - channel(a)) * x;
    float bottom = channel(c) + (channel(d) - channel(c)) * x;
    out |= static_cast<std::uint32_t>(std::lround(top + (bottom - top) * y)) << shift;
  }
  return out;
}
}  // namespace

Picture ResampleBilinear(const Picture& picture, int width, int height) {
  DIBSECTION dib{};
  if (!picture || width <= 0 || height <= 0 || GetObjectW(picture.bitmap(), sizeof(dib), &dib) != sizeof(dib) ||
      dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits)
    return {};
  const int sourceWidth = dib.dsBm.bmWidth, sourceHeight = dib.dsBm.bmHeight;
  // Pictures are top-down (CreateTopDownDib); the system does not tell which way a DIB runs.
  auto row = [&](int y) {
    return reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(dib.dsBm.bmBits) +
                                                  static_cast<size_t>(y) * dib.dsBm.bmWidthBytes);
  };
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(width, height, 32, &bits);
  if (!bitmap) return {};
  Picture resampled(bitmap, width, height);
  GdiFlush();
  const std::vector<Tap> columns = Taps(sourceWidth, width), rows = Taps(sourceHeight, height);
  auto* out = static_cast<std::uint32_t*>(bits);
  for (const Tap& r : rows) {
    const std::uint32_t *upper = row(r.first), *lower = row(r.second);
    for (const Tap& c : columns)
      *out++ = Blend(upper[c.first], upper[c.second], lower[c.first], lower[c.second], c.weight, r.weight);
  }
  return resampled;
}
