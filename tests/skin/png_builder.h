#pragma once
// Builds deflate streams and PNG files byte by byte, for tests that need exact inputs.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes bits least-significant first, as deflate reads them.
class BitWriter {
 public:
  void Bits(uint32_t value, int count);
  // A Huffman code goes most-significant bit first.
  void Code(uint32_t code, int length);
  void FixedLiteral(unsigned symbol);              // 0..287 in the fixed literal/length code
  void FixedDistance(unsigned symbol) { Code(symbol, 5); }
  void AlignToByte();
  std::string bytes;

 private:
  int used_ = 8;
};

// A raw deflate stream of stored blocks holding `raw`.
std::string StoredDeflate(std::string_view raw);
// zlib header, stored blocks, Adler-32.
std::string ZlibStored(std::string_view raw);

std::string Chunk(std::string_view type, std::string_view data);
std::string Ihdr(uint32_t width, uint32_t height, int depth, int colorType, int interlace = 0);
// Signature, the chunks given, IEND.
std::string PngOf(std::initializer_list<std::string> chunks);
// A PNG whose image data are `filteredRows` (filter bytes included) in stored blocks.
std::string SimplePng(uint32_t width, uint32_t height, int depth, int colorType, std::string_view filteredRows,
                      std::initializer_list<std::string> extraChunks = {});
