#include "png_builder.h"

#include <algorithm>
#include <array>

void BitWriter::Bits(uint32_t value, int count) {
  for (int i = 0; i < count; ++i) {
    if (used_ == 8) {
      bytes.push_back('\0');
      used_ = 0;
    }
    bytes.back() = static_cast<char>(bytes.back() | (((value >> i) & 1) << used_++));
  }
}

void BitWriter::Code(uint32_t code, int length) {
  for (int i = length - 1; i >= 0; --i) Bits((code >> i) & 1, 1);
}

void BitWriter::FixedLiteral(unsigned symbol) {
  if (symbol < 144) Code(0x30 + symbol, 8);
  else if (symbol < 256) Code(0x190 + symbol - 144, 9);
  else if (symbol < 280) Code(symbol - 256, 7);
  else Code(0xC0 + symbol - 280, 8);
}

void BitWriter::AlignToByte() { used_ = 8; }

std::string StoredDeflate(std::string_view raw) {
  std::string out;
  do {
    const size_t n = std::min<size_t>(raw.size(), 65535);
    out.push_back(n == raw.size() ? 1 : 0);
    const unsigned len = static_cast<unsigned>(n), nlen = ~len & 0xFFFF;
    out += {char(len & 0xFF), char(len >> 8), char(nlen & 0xFF), char(nlen >> 8)};
    out.append(raw.substr(0, n));
    raw.remove_prefix(n);
  } while (!raw.empty());
  return out;
}

std::string ZlibStored(std::string_view raw) {
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  const uint32_t adler = (b << 16) | a;
  return std::string("\x78\x01", 2) + StoredDeflate(raw) +
         std::string{char(adler >> 24), char(adler >> 16), char(adler >> 8), char(adler)};
}

namespace {
uint32_t Crc(std::string_view bytes) {
  uint32_t crc = 0xFFFFFFFF;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

std::string BigEndian(uint32_t value) {
  return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}
}  // namespace

std::string Chunk(std::string_view type, std::string_view data) {
  std::string body = std::string(type) + std::string(data);
  return BigEndian(static_cast<uint32_t>(data.size())) + body + BigEndian(Crc(body));
}

std::string Ihdr(uint32_t width, uint32_t height, int depth, int colorType, int interlace) {
  return Chunk("IHDR", BigEndian(width) + BigEndian(height) +
                           std::string{char(depth), char(colorType), '\0', '\0', char(interlace)});
}

std::string PngOf(std::initializer_list<std::string> chunks) {
  std::string png = "\x89PNG\r\n\x1a\n";
  for (const auto& chunk : chunks) png += chunk;
  return png + Chunk("IEND", "");
}

std::string SimplePng(uint32_t width, uint32_t height, int depth, int colorType, std::string_view filteredRows,
                      std::initializer_list<std::string> extraChunks) {
  std::string png = "\x89PNG\r\n\x1a\n" + Ihdr(width, height, depth, colorType);
  for (const auto& chunk : extraChunks) png += chunk;
  return png + Chunk("IDAT", ZlibStored(filteredRows)) + Chunk("IEND", "");
}
