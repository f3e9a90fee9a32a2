#pragma once
// Our own inflater for deflate streams (RFC 1951), with the Deflate64 variant behind a switch.
// Portable: no windows.h.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/png_bytes.h"

inline constexpr int kInflateEndedEarly = -1;       // bad block type, input or output exhausted
inline constexpr int kInflateLengthMismatch = -2;   // a stored block's NLEN was not ~LEN

struct InflateOutcome {
  Bytes data;               // the bytes produced, trimmed
  int result = 0;           // 0, kInflateEndedEarly or kInflateLengthMismatch
  bool treeFailed = false;  // a fixed or dynamic code table could not be built
};

struct InflateLimits {
  size_t capacity = 0;      // output never grows past this; a match that would stops decoding
  size_t expected = 0;      // first allocation (clamped to capacity); grows by doubling after
  bool deflate64 = false;
};

// Inflates a raw deflate stream (no zlib header).
InflateOutcome Inflate(std::span<const uint8_t> stream, const InflateLimits& limits);

// Most bytes a deflate stream of this size can produce: a 258-byte match costs at least 2 bits.
size_t MaxInflatedSize(size_t streamSize);
