// Our inflater against zlib and our whole decode against libpng, on large PNGs that libpng
// writes here at several compression levels. Prints output throughput and the ratios.
#include <malloc.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "skin/inflate.h"
#include "skin/png_bitmap.h"
#include "skin/png_file.h"
#include "skin/png_pixels.h"

namespace {
constexpr int kSize = 2048;

// Skin-like art: gradients, soft shapes with alpha, flat panels and a little noise.
std::vector<uint8_t> MakePixels(int channels) {
  std::vector<uint8_t> pixels(static_cast<size_t>(kSize) * kSize * channels);
  std::mt19937 random(1);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      uint8_t* p = &pixels[(static_cast<size_t>(y) * kSize + x) * channels];
      const bool panel = (x / 256 + y / 256) % 3 == 0;
      const int noise = static_cast<int>(random() % 6);
      p[0] = panel ? 40 : static_cast<uint8_t>(x * 255 / kSize + noise);
      p[1] = panel ? 60 : static_cast<uint8_t>(((x + y) / 16) & 0xFF);
      p[2] = panel ? 90 : static_cast<uint8_t>(128 + 100 * std::sin(x / 50.0) * std::cos(y / 70.0));
      if (channels == 4) {
        const double d = std::hypot(x - kSize / 2, y - kSize / 2) / (kSize / 2);
        p[3] = static_cast<uint8_t>(std::clamp(255 * (1.2 - d) * 2, 0.0, 255.0));
      }
    }
  }
  return pixels;
}

std::vector<uint8_t> WritePng(const std::vector<uint8_t>& pixels, int channels, int level) {
  std::vector<uint8_t> file;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(
      png, &file,
      [](png_structp p, png_bytep data, size_t n) {
        auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
        out->insert(out->end(), data, data + n);
      },
      nullptr);
  png_set_IHDR(png, info, kSize, kSize, 8, channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, level);
  png_write_info(png, info);
  for (int y = 0; y < kSize; ++y)
    png_write_row(png, const_cast<png_bytep>(&pixels[static_cast<size_t>(y) * kSize * channels]));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return file;
}

// Best of several rounds, in seconds. The rounds take the contenders in turn, so that a busy
// machine slows them alike rather than whichever happened to run during the busy spell.
std::vector<double> RaceBest(const std::vector<std::function<size_t()>>& contenders, std::vector<size_t>& outputBytes) {
  std::vector<double> best(contenders.size(), 1e9);
  outputBytes.assign(contenders.size(), 0);
  for (int round = 0; round < 9; ++round) {
    for (size_t i = 0; i < contenders.size(); ++i) {
      const auto start = std::chrono::steady_clock::now();
      outputBytes[i] = contenders[i]();
      best[i] = std::min(best[i], std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
  }
  return best;
}

// Into a fresh buffer, as ours does, so that both pay for the memory they fill.
size_t ZlibInflate(const Bytes& stream, size_t size) {
  Bytes out(size);
  uLongf length = size;
  uncompress(out.data(), &length, stream.data(), stream.size());
  return length;
}

size_t LibpngDecode(const std::vector<uint8_t>& file) {
  struct Reader {
    const std::vector<uint8_t>* file;
    size_t at;
  } reader{&file, 0};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_read_fn(png, &reader, [](png_structp p, png_bytep data, size_t n) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(p));
    std::memcpy(data, r->file->data() + r->at, n);
    r->at += n;
  });
  png_read_info(png, info);
  png_set_strip_16(png);
  png_read_update_info(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info);
  const size_t height = png_get_image_height(png, info);
  std::vector<uint8_t> pixels(rowBytes * height);
  std::vector<png_bytep> rows(height);
  for (size_t y = 0; y < height; ++y) rows[y] = pixels.data() + y * rowBytes;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return pixels.size();
}

size_t OurDecode(const std::vector<uint8_t>& file) {
  const PngFile png = ReadPngFile(file, {});
  const auto pixels = DecodePixels(png, {});
  if (!pixels) return 0;
  return ToBitmap(png, std::move(*pixels), {}, {}).pixels.size();
}
}  // namespace

int main() {
  // glibc maps each buffer above a moving threshold afresh and pays a page fault per 4 KiB on
  // first touch; which decoder's 16 MB buffer falls just above the threshold decides who pays.
  // Both take their buffers from the heap here, as they would in a long-running program.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 512 << 20);
  std::printf("%-22s %10s %10s %7s | %10s %10s %7s\n", "image", "zlib MB/s", "ours MB/s", "ratio",
              "libpng MB/s", "ours MB/s", "time x");
  double worstInflate = 1e9, worstDecode = 0;
  for (int channels : {4, 3}) {
    const std::vector<uint8_t> pixels = MakePixels(channels);
    for (int level : {1, 6, 9}) {
      const std::vector<uint8_t> file = WritePng(pixels, channels, level);
      const PngFile png = ReadPngFile(file, {});
      const size_t size = (static_cast<size_t>(kSize) * channels + 1) * kSize;
      const std::span<const uint8_t> stream(png.imageData.data() + 2, png.imageData.size() - 2);
      std::vector<size_t> bytes;
      const std::vector<double> time = RaceBest(
          {[&] { return ZlibInflate(png.imageData, size); },
           [&] { return Inflate(stream, {size + kSize + 100, size + kSize + 100, false}).data.size(); },
           [&] { return LibpngDecode(file); }, [&] { return OurDecode(file); }},
          bytes);
      if (bytes[0] != size || bytes[1] != size || bytes[2] != bytes[3]) {
        std::printf("output sizes differ: %zu %zu %zu %zu\n", bytes[0], bytes[1], bytes[2], bytes[3]);
        return 1;
      }
      char name[64];
      std::snprintf(name, sizeof name, "%s level %d (%zu KB)", channels == 4 ? "RGBA" : "RGB", level,
                    file.size() / 1024);
      const double mb = 1e6;
      std::printf("%-22s %10.0f %10.0f %7.2f | %10.0f %10.0f %7.2f\n", name, bytes[0] / time[0] / mb,
                  bytes[1] / time[1] / mb, time[0] / time[1], bytes[2] / time[2] / mb, bytes[3] / time[3] / mb,
                  time[3] / time[2]);
      worstInflate = std::min(worstInflate, time[0] / time[1]);
      worstDecode = std::max(worstDecode, time[3] / time[2]);
    }
  }
  std::printf("inflate speed vs zlib, worst: %.2f (target >= 1.0)\n", worstInflate);
  std::printf("decode time vs libpng, worst: %.2f (target <= 1.25)\n", worstDecode);
  return 0;
}
