#include "zip/entry_data.h"

#include "skin/inflate.h"
#include "zip/crc32.h"
#include "zip/zip_format.h"

std::optional<Bytes> DecodeEntryData(const ZipEntry& entry, std::span<const uint8_t> data) {
  Bytes bytes;
  if (entry.method == zip::kStored) {
    if (data.size() != entry.uncompressedSize) return std::nullopt;
    bytes.assign(data.begin(), data.end());
  } else if (entry.method == zip::kDeflated || entry.method == zip::kDeflate64) {
    InflateOutcome inflated =
        Inflate(data, {entry.uncompressedSize, entry.uncompressedSize, entry.method == zip::kDeflate64});
    if (inflated.result != 0 || inflated.treeFailed || inflated.data.size() != entry.uncompressedSize)
      return std::nullopt;
    bytes = std::move(inflated.data);
  } else {
    return std::nullopt;
  }
  if (entry.aesVersion == 1 && Crc32(bytes) != entry.crc) return std::nullopt;
  return bytes;
}
