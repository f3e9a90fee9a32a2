#include "zip/extraction_plan.h"

#include "skin/inflate.h"
#include "zip/entry_path.h"
#include "zip/zip_format.h"

namespace {
// Whether the entry's stored bytes can hold its declared size.
bool SizesFit(const ZipEntry& entry) {
  if (entry.directory) return entry.uncompressedSize == 0 && entry.dataSize == 0;
  const size_t overhead = zip::AesOverhead(entry.aesStrength);
  if (entry.dataSize < overhead) return false;
  const size_t payload = entry.dataSize - overhead;
  return entry.method == zip::kStored ? payload == entry.uncompressedSize
                                      : entry.uncompressedSize <= MaxInflatedSize(payload);
}

ZipFault Check(const ZipEntry& entry) {
  if (entry.directory) return SizesFit(entry) ? ZipFault::None : ZipFault::Damaged;
  if (entry.aesStrength == 0) return ZipFault::Unsupported;
  if (entry.method != zip::kStored && entry.method != zip::kDeflated && entry.method != zip::kDeflate64)
    return ZipFault::Unsupported;
  return SizesFit(entry) ? ZipFault::None : ZipFault::Damaged;
}
}  // namespace

ExtractionPlan PlanExtraction(const ZipDirectory& directory, LegacyNameDecoder decodeLegacyName,
                              uint64_t maxTotalOutput) {
  ExtractionPlan plan{directory.fault, {}};
  if (plan.fault != ZipFault::None) return plan;
  uint64_t total = 0;
  for (const ZipEntry& entry : directory.entries) {
    auto path = SafeEntryPath(entry.utf8Name ? entry.name : decodeLegacyName(entry.name));
    ZipFault fault = path ? Check(entry) : ZipFault::UnsafeName;
    total += entry.uncompressedSize;
    if (fault == ZipFault::None && total > maxTotalOutput) fault = ZipFault::TooLarge;
    if (fault != ZipFault::None) return {fault, {}};
    plan.entries.push_back({&entry, std::move(*path)});
  }
  return plan;
}
