#pragma once
// The decoder's whole byte path for tests: file bytes to the pixels OpenPNG would draw.
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "skin/png_bitmap.h"
#include "skin/png_file.h"
#include "skin/png_pixels.h"

struct DecodedPng {
  PngFile file;
  std::optional<PngPixels> pixels;  // nothing when the picture was abandoned
};

inline DecodedPng DecodePng(std::string_view bytes, const PngNotice& notice = {}) {
  DecodedPng decoded;
  decoded.file = ReadPngFile({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, notice);
  if (decoded.file.ErrorNumber == 0) decoded.pixels = DecodePixels(decoded.file, notice);
  return decoded;
}

inline std::string AsString(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

// A file's bytes, for the native tests that read pictures from disk.
inline std::string ReadAll(const std::filesystem::path& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}
