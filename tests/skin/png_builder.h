#pragma once
// Deflate streams and PNG files built byte by byte, for tests that need exact inputs.
#include <cstdint>
#include <string>
#include <string_view>

// Writes bits least-significant first, as deflate reads them; Huffman codes go most-significant first.
struct BitWriter {
  void Bits(uint32_t value, int count);
  void Code(uint32_t code, int length);
  void FixedLiteral(unsigned symbol);  // 0..287 in the fixed literal/length code
  std::string bytes;
  int used = 8;
};

// A final dynamic block's header: `literalLengthCodes` literal/length codes, one distance code, then
// the 19 code-length code lengths in their stored order (16, 17, 18, 0, 8, ...), one byte each here.
BitWriter DynamicHeader(std::string_view precodeLengths, unsigned literalLengthCodes = 257);
// A raw deflate stream whose code tables cannot be built: nineteen code-length codes of one bit.
inline std::string BrokenTreeDeflate() { return DynamicHeader(std::string(19, '\1')).bytes; }

std::string StoredDeflate(std::string_view raw);  // raw deflate, stored blocks
std::string ZlibStored(std::string_view raw);     // with zlib header and Adler-32
// `count` copies of one byte as densely as deflate allows (two bits for every 258 bytes): a raw
// deflate stream, and as zlib would write it, with header and Adler-32.
std::string DeflateRun(char byte, size_t count);
std::string ZlibRun(char byte, size_t count);

std::string Chunk(std::string_view type, std::string_view data);
std::string Ihdr(uint32_t width, uint32_t height, int depth, int colorType, int interlace = 0);
// Signature, the chunks given, IEND.
std::string PngOf(std::initializer_list<std::string> chunks);
// A PNG whose image data are `filteredRows` (filter bytes included), after the extra chunks.
std::string SimplePng(uint32_t width, uint32_t height, int depth, int colorType, std::string_view filteredRows,
                      std::initializer_list<std::string> extraChunks = {});

// Hostile pictures, small files that once cost much memory and time: a blank 1-bit grey picture
// with a transparent key (8000 by 8000 in 7.9 KB), and a 1 by 1 picture carrying `chunks` zTXt
// chunks of `textBytes` bytes each (200 of 8 MiB in 1.6 MB).
std::string BlankOneBitPng(uint32_t width, uint32_t height);
std::string TextBombPng(int chunks, size_t textBytes);
