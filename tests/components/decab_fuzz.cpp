// Fuzz target for DeCab's archive reading: end record, central directory, local headers, extra
// fields, names, limits, and the decoding of stored, deflated and Deflate64 data with its size
// and CRC checks. The cipher needs the platform and stays out: each entry's sealed bytes are
// decoded as if they were plain, which lets mutated streams reach the inflater.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "zip/entry_data.h"
#include "zip/extraction_plan.h"
#include "zip/zip_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ZipDirectory directory = ReadZipDirectory({data, size}, kMaxArchiveEntries);
  const ExtractionPlan plan =
      PlanExtraction(directory, [](std::string_view name) { return std::string(name); }, kMaxExtractedBytes);
  for (const PlannedEntry& planned : plan.entries) {
    const ZipEntry& entry = *planned.entry;
    if (entry.directory) continue;
    const size_t head = zip::AesSaltSize(entry.aesStrength) + zip::kAesVerifierSize;
    DecodeEntryData(entry, {data + entry.dataOffset + head, entry.dataSize - head - zip::kAesMacSize});
  }
  return 0;
}
