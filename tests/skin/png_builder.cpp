#include "png_builder.h"

#include <algorithm>

void BitWriter::Bits(uint32_t value, int count) {
  for (int i = 0; i < count; ++i, ++used) {
    if (used == 8) bytes.push_back('\0'), used = 0;
    bytes.back() = static_cast<char>(bytes.back() | (((value >> i) & 1) << used));
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

BitWriter DynamicHeader(std::string_view precodeLengths, unsigned literalLengthCodes) {
  BitWriter writer;
  writer.Bits(5, 3);    // final, dynamic
  writer.Bits(literalLengthCodes - 257, 5);
  writer.Bits(0, 5);    // HDIST 1
  writer.Bits(15, 4);   // HCLEN 19
  for (char length : precodeLengths) writer.Bits(length, 3);
  return writer;
}

std::string StoredDeflate(std::string_view raw) {
  std::string out;
  do {
    const unsigned n = static_cast<unsigned>(std::min<size_t>(raw.size(), 65535)), nlen = ~n & 0xFFFF;
    out += {char(n == raw.size()), char(n), char(n >> 8), char(nlen), char(nlen >> 8)};
    out.append(raw.substr(0, n));
    raw.remove_prefix(n);
  } while (!raw.empty());
  return out;
}

namespace {
std::string BigEndian(uint32_t value) { return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)}; }

uint32_t Adler32(std::string_view raw) {
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) a = (a + c) % 65521, b = (b + a) % 65521;
  return (b << 16) | a;
}
}  // namespace

// One dynamic block. Code lengths: the byte 2, end of block 2, length 258 (symbol 285) 1, and one
// distance code of 1 bit, each length sent with a code-length code of 0: 1 bit, 1 and 2: 2 bits.
std::string DeflateRun(char byte, size_t count) {
  const unsigned literal = static_cast<unsigned char>(byte);
  BitWriter writer = DynamicHeader(std::string("\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\2\0\2\0", 19), 286);
  for (unsigned symbol = 0; symbol < 286 + 1; ++symbol) {
    const int length = symbol == literal || symbol == 256 ? 2 : symbol == 285 || symbol == 286 ? 1 : 0;
    if (length == 0) writer.Code(0, 1);
    else writer.Code(length == 1 ? 2 : 3, 2);
  }
  // Canonical codes: 285 is 0, the byte 10, end of block 11; the distance code (1) is 0.
  if (count > 0) writer.Code(2, 2);
  size_t left = count > 0 ? count - 1 : 0;
  for (; left >= 258; left -= 258) writer.Code(0, 2);
  for (; left > 0; --left) writer.Code(2, 2);
  writer.Code(3, 2);
  return writer.bytes;
}

std::string ZlibStored(std::string_view raw) { return "\x78\x01" + StoredDeflate(raw) + BigEndian(Adler32(raw)); }

std::string ZlibRun(char byte, size_t count) {
  return "\x78\xDA" + DeflateRun(byte, count) + BigEndian(Adler32(std::string(count, byte)));
}

std::string Chunk(std::string_view type, std::string_view data) {
  const std::string body = std::string(type) + std::string(data);
  uint32_t crc = 0xFFFFFFFF;
  for (unsigned char c : body) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return BigEndian(static_cast<uint32_t>(data.size())) + body + BigEndian(~crc);
}

std::string Ihdr(uint32_t width, uint32_t height, int depth, int colorType, int interlace) {
  return Chunk("IHDR", BigEndian(width) + BigEndian(height) +
                           std::string{char(depth), char(colorType), 0, 0, char(interlace)});
}

std::string PngOf(std::initializer_list<std::string> chunks) {
  std::string png = "\x89PNG\r\n\x1a\n";
  for (const auto& chunk : chunks) png += chunk;
  return png + Chunk("IEND", "");
}

std::string SimplePng(uint32_t width, uint32_t height, int depth, int colorType, std::string_view filteredRows,
                      std::initializer_list<std::string> extraChunks) {
  std::string chunks = Ihdr(width, height, depth, colorType);
  for (const auto& chunk : extraChunks) chunks += chunk;
  return PngOf({chunks + Chunk("IDAT", ZlibStored(filteredRows))});
}

std::string BlankOneBitPng(uint32_t width, uint32_t height) {
  const size_t filtered = static_cast<size_t>((width + 7) / 8 + 1) * height;
  return PngOf({Ihdr(width, height, 1, 0) + Chunk("tRNS", std::string(2, '\0')) +
                Chunk("IDAT", ZlibRun('\0', filtered))});
}

std::string TextBombPng(int chunks, size_t textBytes) {
  const std::string text = Chunk("zTXt", std::string("Comment\0\0", 9) + ZlibRun('A', textBytes));
  std::string texts;
  for (int i = 0; i < chunks; ++i) texts += text;
  return SimplePng(1, 1, 8, 2, std::string(4, '\0'), {texts});
}
