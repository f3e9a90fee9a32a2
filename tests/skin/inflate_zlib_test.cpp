// Our inflater against zlib's deflate output: every level, every strategy, varied data.
#include <zlib.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "skin/inflate.h"

namespace {
std::string Deflate(const std::string& raw, int level, int strategy) {
  z_stream stream{};
  deflateInit2(&stream, level, Z_DEFLATED, -15, 9, strategy);
  std::string out(deflateBound(&stream, raw.size()) + 64, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.data()));
  stream.avail_in = static_cast<uInt>(raw.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

std::string Sample(int kind, size_t size, std::mt19937& random) {
  std::string data(size, '\0');
  for (size_t i = 0; i < size; ++i) {
    switch (kind) {
      case 0: data[i] = static_cast<char>(random()); break;                          // incompressible
      case 1: data[i] = "abcab"[random() % 5]; break;                                // short alphabet
      case 2: data[i] = static_cast<char>((i / 300) & 0xFF); break;                  // long runs
      default: data[i] = static_cast<char>(i % 4 == 3 ? 255 : (i * 7 / 4) & 0xFF); break;  // RGBA rows
    }
  }
  return data;
}
}  // namespace

TEST(InflateAgainstZlib, ReproducesWhatZlibCompressed) {
  std::mt19937 random(7);
  for (int kind = 0; kind < 4; ++kind) {
    for (size_t size : {size_t{0}, size_t{1}, size_t{700}, size_t{200000}}) {
      const std::string raw = Sample(kind, size, random);
      for (int level = 0; level <= 9; level += 3) {
        for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE}) {
          SCOPED_TRACE(testing::Message() << "kind " << kind << " size " << size << " level " << level);
          const std::string packed = Deflate(raw, level, strategy);
          const InflateOutcome out = Inflate({reinterpret_cast<const uint8_t*>(packed.data()), packed.size()},
                                             {raw.size(), raw.size() / 3, false});
          ASSERT_EQ(out.result, 0);
          ASSERT_FALSE(out.treeFailed);
          ASSERT_EQ(std::string(out.data.begin(), out.data.end()), raw);
        }
      }
    }
  }
}
