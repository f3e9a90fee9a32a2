#pragma once
// The chunks of a PNG file as our decoder reads them. Portable: no windows.h.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "skin/png_bytes.h"

// The decoder tells the user through this seam (a message box in the program).
using PngNotice = std::function<void(const std::string& text)>;
inline constexpr const char* kTreeCreationError = "Error in tree creation (Static)";

inline constexpr int kPngNoSignature = 1;
inline constexpr int kPngChunkPastEnd = 3;
inline constexpr int kPngNoImageData = 4;

// The text of all zTXt chunks together is cut here; later chunks are skipped.
inline constexpr size_t kMaxCompressedText = size_t{1} << 20;

struct PngHeader {
  int32_t Width = 0, Height = 0;
  int32_t Bitdepht = 0, ColorType = 0, Compression = 0, Filter = 0, Interlacing = 0;
};

struct PngFile {
  int ErrorNumber = 0;
  PngHeader header;
  std::vector<uint8_t> palette;       // PLTE as read, 3 bytes per entry
  std::vector<uint8_t> transparency;  // tRNS as read
  std::vector<uint8_t> background;    // bKGD as read
  Bytes imageData;                    // every IDAT, concatenated
  bool HaveTransparence = false;
  bool HasBKGDChunk = false;
  uint32_t BkgdColor = 0;             // 0x00BBGGRR
  std::string Text, zText;            // chunk bytes as read, each followed by a NUL
  std::string ModiTime;
  double gama = 0;
  bool treeFailed = false;            // a zTXt's code tables could not be built: nothing is drawn
};

// Reads the chunks up to IEND. Sets ErrorNumber 1, 3 or 4 when the file cannot be decoded; stops
// at a zTXt whose code tables cannot be built, after telling the user.
PngFile ReadPngFile(std::span<const uint8_t> bytes, const PngNotice& notice);

// A zlib stream without its two header bytes, inflated with our inflater; the tree-creation
// message goes through the notice.
Bytes InflateZlib(std::span<const uint8_t> stream, size_t capacity, size_t expected, const PngNotice& notice,
                  bool* treeFailed = nullptr);
