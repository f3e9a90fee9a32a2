#pragma once
// What an archive would write, decided before anything is written. Portable.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "zip/zip_directory.h"

// What DeCab takes on at most.
inline constexpr uint64_t kMaxArchiveBytes = 96ull << 20;
inline constexpr size_t kMaxArchiveEntries = 1024;
inline constexpr uint64_t kMaxExtractedBytes = 64ull << 20;

struct PlannedEntry {
  const ZipEntry* entry;
  std::string path;  // relative to the target folder, UTF-8, backslashes
};

struct ExtractionPlan {
  ZipFault fault = ZipFault::None;
  std::vector<PlannedEntry> entries;
};

// Turns a name stored without the UTF-8 flag into UTF-8.
using LegacyNameDecoder = std::string (*)(std::string_view storedName);

// Every entry checked: a safe name (else UnsafeName); files protected with WinZip AES and
// stored, deflated or Deflate64 (else Unsupported); sizes that the data can hold (else Damaged);
// all declared sizes together at most maxTotalOutput (else TooLarge).
ExtractionPlan PlanExtraction(const ZipDirectory& directory, LegacyNameDecoder decodeLegacyName,
                              uint64_t maxTotalOutput);
