#pragma once
// From the image data of a PNG file to unfiltered pixel rows: inflating, undoing the scanline
// filters and Adam7 interlacing. Portable: no windows.h.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "skin/png_bytes.h"
#include "skin/png_file.h"

// Rows top first, without filter bytes. Samples keep the file's depth, except that interlaced
// images narrower than 8 bits come out as one byte per pixel (`depth` 8, `levels` of the file).
struct PngPixels {
  int width = 0, height = 0;
  int depth = 0;       // bits per stored sample: 1, 2, 4, 8 or 16
  int fileDepth = 0;   // bits per sample in the file
  int channels = 0;
  size_t rowBytes = 0;
  Bytes data;
};

// 1, 3, 1, 2, 4 channels for colour types 0, 2, 3, 4, 6; 0 for an unknown type or a depth the
// type does not allow.
int ChannelsOf(const PngHeader& header);

// Filtered row length in bytes, the filter byte included.
uint64_t FilteredRowBytes(uint64_t width, int bitsPerPixel);

// Reverses the filters of `rows` rows laid out one after the other, each a filter byte and
// `rowBytes` bytes, into `out` (which may be `in` itself: rows only move towards the front).
// Unknown filter bytes leave their row as it is.
void Unfilter(const uint8_t* in, uint8_t* out, size_t rows, size_t rowBytes, size_t bytesPerPixel);

// Nothing when the picture must be abandoned: a header we cannot decode, a picture larger than a
// screen (refused before anything is allocated), code tables that cannot be built here or in a
// zTXt (told through the notice) or fewer bytes than the rows need.
std::optional<PngPixels> DecodePixels(const PngFile& file, const PngNotice& notice);
