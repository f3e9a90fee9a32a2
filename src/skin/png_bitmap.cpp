#include "skin/png_bitmap.h"

#include <algorithm>
#include <cstring>

namespace {
uint32_t Grey(uint8_t level) { return level * 0x010101u; }

unsigned BigEndian16(std::span<const uint8_t> bytes, size_t at) { return (bytes[at] << 8) | bytes[at + 1]; }

size_t StrideOf(int width, int bitCount) { return (static_cast<size_t>(width) * bitCount + 31) / 32 * 4; }

// Sample `channel` of pixel `x` at the stored depth, as its full value (16 bits for 16-bit samples).
unsigned SampleAt(const PngPixels& image, const uint8_t* row, size_t x, int channel) {
  const size_t index = x * image.channels + channel;
  switch (image.depth) {
    case 16: return (row[index * 2] << 8) | row[index * 2 + 1];
    case 8: return row[index];
    default: {
      const size_t bit = index * image.depth;
      return (row[bit / 8] >> (8 - image.depth - bit % 8)) & ((1u << image.depth) - 1);
    }
  }
}

// A sample reduced to 8 bits by its high byte.
uint8_t High(const PngPixels& image, unsigned sample) {
  return static_cast<uint8_t>(image.depth == 16 ? sample >> 8 : sample);
}

std::vector<uint32_t> PaletteOf(const PngFile& file) {
  std::vector<uint32_t> colors;
  if (file.header.ColorType == 0) {
    for (uint8_t level : GreyLevels(file.header.Bitdepht)) colors.push_back(Grey(level));
    return colors;
  }
  const auto& plte = file.palette;
  for (size_t i = 0; i + 2 < plte.size(); i += 3) colors.push_back((plte[i] << 16) | (plte[i + 1] << 8) | plte[i + 2]);
  // A 1-bit picture takes its PLTE only when it holds exactly two colours.
  if (file.header.Bitdepht == 1 && colors.size() != 2) colors = {0x000000, 0xFFFFFF};
  return colors;
}

PngBitmap Blank(const PngPixels& image, int bitCount) {
  PngBitmap bitmap;
  bitmap.width = image.width;
  bitmap.height = -image.height;
  bitmap.bitCount = bitCount;
  bitmap.stride = StrideOf(image.width, bitCount);
  bitmap.pixels.assign(bitmap.stride * image.height, 0);
  return bitmap;
}

const uint8_t* Row(const PngPixels& image, int y) { return image.data.data() + static_cast<size_t>(y) * image.rowBytes; }
uint8_t* Row(PngBitmap& bitmap, int y) { return bitmap.pixels.data() + static_cast<size_t>(y) * bitmap.stride; }

PngBitmap Indexed(const PngFile& file, const PngPixels& image) {
  // 2-bit samples have no bitmap of their own depth: one byte each. 16-bit grey keeps its high byte.
  const int depth = image.depth == 2 || image.depth == 16 ? 8 : image.depth;
  PngBitmap bitmap = Blank(image, depth);
  bitmap.palette = PaletteOf(file);
  for (int y = 0; y < image.height; ++y) {
    const uint8_t* in = Row(image, y);
    uint8_t* out = Row(bitmap, y);
    if (depth == image.depth) {
      std::memcpy(out, in, image.rowBytes);
      continue;
    }
    for (int x = 0; x < image.width; ++x) out[x] = High(image, SampleAt(image, in, x, 0));
  }
  return bitmap;
}

PngBitmap Rgb(PngPixels&& image) {
  if (image.depth == 16) {
    PngBitmap bitmap = Blank(image, 24);
    for (int y = 0; y < image.height; ++y) {
      const uint8_t* in = Row(image, y);
      uint8_t* out = Row(bitmap, y);
      for (int x = 0; x < image.width; ++x, in += 6, out += 3) {
        out[0] = in[4];
        out[1] = in[2];
        out[2] = in[0];
      }
    }
    return bitmap;
  }
  PngBitmap bitmap;
  bitmap.width = image.width;
  bitmap.height = -image.height;
  bitmap.bitCount = 24;
  bitmap.stride = StrideOf(image.width, 24);
  // 8-bit rows are reordered in place, last row first: padded rows only move towards the end.
  bitmap.pixels = std::move(image.data);
  bitmap.pixels.resize(bitmap.stride * image.height);
  for (int y = image.height - 1; y >= 0; --y) {
    const uint8_t* in = bitmap.pixels.data() + static_cast<size_t>(y) * image.rowBytes;
    uint8_t* out = Row(bitmap, y);
    for (int x = image.width - 1; x >= 0; --x) {
      const uint8_t r = in[x * 3], g = in[x * 3 + 1], b = in[x * 3 + 2];
      out[x * 3] = b;
      out[x * 3 + 1] = g;
      out[x * 3 + 2] = r;
    }
    std::fill(out + image.width * 3, out + bitmap.stride, 0);
  }
  return bitmap;
}

// The common case of 8-bit RGBA, without the per-sample dispatch; `in` may be `out`.
void SwapRedBlue(const uint8_t* in, uint8_t* out, size_t pixels) {
  for (size_t i = 0; i < pixels; ++i, in += 4, out += 4) {
    const uint8_t red = in[0];
    out[0] = in[2];
    out[1] = in[1];
    out[2] = red;
    out[3] = in[3];
  }
}

PngBitmap WithAlpha(const PngFile& file, PngPixels&& image) {
  PngBitmap bitmap;
  bitmap.width = image.width;
  bitmap.height = -image.height;
  bitmap.bitCount = 32;
  bitmap.stride = static_cast<size_t>(image.width) * 4;
  if (file.header.ColorType == 6 && image.depth == 8) {
    bitmap.pixels = std::move(image.data);
    SwapRedBlue(bitmap.pixels.data(), bitmap.pixels.data(), static_cast<size_t>(image.width) * image.height);
  } else {
    bitmap.pixels = ToBgra(file, image);
  }
  return bitmap;
}

PngBitmap Composited(const Bytes& bgra, const PngPixels& image, const PngBackdrop& backdrop) {
  PngBitmap bitmap = Blank(image, 24);
  const size_t lastRow = static_cast<size_t>(image.height - 1) * backdrop.stride + static_cast<size_t>(image.width) * 3;
  const bool picture = !backdrop.pixels.empty() && backdrop.pixels.size() >= lastRow;
  const uint8_t flat[3] = {static_cast<uint8_t>(backdrop.color >> 16), static_cast<uint8_t>(backdrop.color >> 8),
                           static_cast<uint8_t>(backdrop.color)};
  for (int y = 0; y < image.height; ++y) {
    const uint8_t* in = bgra.data() + static_cast<size_t>(y) * image.width * 4;
    const uint8_t* under = picture ? backdrop.pixels.data() + y * backdrop.stride : nullptr;
    uint8_t* out = Row(bitmap, y);
    for (int x = 0; x < image.width; ++x, in += 4, out += 3) {
      const uint8_t* back = under ? under + x * 3 : flat;
      for (int c = 0; c < 3; ++c) out[c] = Blend(in[c], back[c], in[3]);
    }
  }
  return bitmap;
}
}  // namespace

std::vector<uint8_t> GreyLevels(int depth) {
  const int entries = depth >= 8 ? 256 : 1 << std::max(depth, 1);
  const int step = 255 / (entries - 1);
  std::vector<uint8_t> levels(entries);
  for (int i = 0; i < entries; ++i) levels[i] = static_cast<uint8_t>(i * step);
  return levels;
}

uint32_t BkgdColorOf(const PngHeader& header, std::span<const uint8_t> palette, std::span<const uint8_t> bkgd) {
  const bool wide = header.Bitdepht == 16;
  switch (header.ColorType) {
    case 0: case 4: {
      if (bkgd.size() != 2) return 0;
      const unsigned level = BigEndian16(bkgd, 0);
      if (wide) return Grey(static_cast<uint8_t>(level >> 8));
      if (header.Bitdepht < 1 || header.Bitdepht > 8 || level >= (1u << header.Bitdepht)) return 0;
      return Grey(GreyLevels(header.Bitdepht)[level]);
    }
    case 2: case 6: {
      if (bkgd.size() != 6) return 0;
      auto channel = [&](size_t at) -> uint32_t { return (BigEndian16(bkgd, at) >> (wide ? 8 : 0)) & 0xFF; };
      return channel(0) | (channel(2) << 8) | (channel(4) << 16);
    }
    case 3: {
      if (bkgd.size() != 1 || size_t{bkgd[0]} * 3 + 3 > palette.size()) return 0;
      const size_t at = size_t{bkgd[0]} * 3;
      return palette[at] | (palette[at + 1] << 8) | (palette[at + 2] << 16);
    }
    default: return 0;
  }
}

bool Composites(const PngFile& file, const PngCompositing& compositing) {
  switch (file.header.ColorType) {
    case 0: case 2: case 3: return file.HaveTransparence && compositing.trans;
    case 4: case 6: return compositing.alpha;
    default: return false;
  }
}

Bytes ToBgra(const PngFile& file, const PngPixels& image) {
  Bytes bgra(static_cast<size_t>(image.width) * image.height * 4);
  const std::vector<uint8_t> levels = GreyLevels(image.fileDepth);
  const std::vector<uint32_t> palette = file.header.ColorType == 3 ? PaletteOf(file) : std::vector<uint32_t>{};
  const auto& trns = file.transparency;
  const bool keyed = file.HaveTransparence;
  uint8_t* out = bgra.data();
  if (file.header.ColorType == 6 && image.depth == 8) {
    SwapRedBlue(image.data.data(), out, static_cast<size_t>(image.width) * image.height);
    return bgra;
  }
  for (int y = 0; y < image.height; ++y) {
    const uint8_t* row = Row(image, y);
    for (int x = 0; x < image.width; ++x, out += 4) {
      auto sample = [&](int channel) { return SampleAt(image, row, x, channel); };
      switch (file.header.ColorType) {
        case 0: {
          const unsigned v = sample(0);
          out[0] = out[1] = out[2] = image.depth == 16 ? static_cast<uint8_t>(v >> 8) : levels[v];
          out[3] = keyed && trns.size() >= 2 && v == BigEndian16(trns, 0) ? 0 : 255;
          break;
        }
        case 2: {
          const unsigned r = sample(0), g = sample(1), b = sample(2);
          out[0] = High(image, b);
          out[1] = High(image, g);
          out[2] = High(image, r);
          const bool key = keyed && trns.size() >= 6 && r == BigEndian16(trns, 0) && g == BigEndian16(trns, 2) &&
                           b == BigEndian16(trns, 4);
          out[3] = key ? 0 : 255;
          break;
        }
        case 3: {
          const unsigned index = sample(0);
          const uint32_t color = index < palette.size() ? palette[index] : 0;
          out[0] = static_cast<uint8_t>(color);
          out[1] = static_cast<uint8_t>(color >> 8);
          out[2] = static_cast<uint8_t>(color >> 16);
          out[3] = keyed && index < trns.size() ? trns[index] : 255;
          break;
        }
        case 4:
          out[0] = out[1] = out[2] = High(image, sample(0));
          out[3] = High(image, sample(1));
          break;
        default:
          out[0] = High(image, sample(2));
          out[1] = High(image, sample(1));
          out[2] = High(image, sample(0));
          out[3] = High(image, sample(3));
          break;
      }
    }
  }
  return bgra;
}

PngBitmap ToBitmap(const PngFile& file, PngPixels image, const PngCompositing& compositing,
                   const PngBackdrop& backdrop) {
  if (Composites(file, compositing)) return Composited(ToBgra(file, image), image, backdrop);
  switch (file.header.ColorType) {
    case 0: case 3: return Indexed(file, image);
    case 2: return Rgb(std::move(image));
    default: return WithAlpha(file, std::move(image));
  }
}
