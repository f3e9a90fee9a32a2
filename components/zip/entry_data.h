#pragma once
// One entry's bytes from its deciphered data. Portable.
#include <cstdint>
#include <optional>
#include <span>

#include "skin/png_bytes.h"
#include "zip/zip_directory.h"

// Stored, deflated or Deflate64 data decoded to exactly the declared size, and matching the
// declared CRC where the entry keeps one (AE-1). Nothing otherwise; the output never grows past
// the declared size, whatever the data say.
std::optional<Bytes> DecodeEntryData(const ZipEntry& entry, std::span<const uint8_t> data);
