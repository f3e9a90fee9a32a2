#include "vdcab/unpack_archive.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "store/files.h"
#include "store/text_codec.h"
#include "vdcab/vdcab.h"
#include "zip/entry_data.h"
#include "zip/extraction_plan.h"
#include "zip/winzip_aes.h"

namespace {
int CodeOf(ZipFault fault) {
  switch (fault) {
    case ZipFault::Damaged: return DECAB_DAMAGED;
    case ZipFault::Unsupported: return DECAB_UNSUPPORTED;
    case ZipFault::TooLarge: return DECAB_TOO_LARGE;
    case ZipFault::UnsafeName: return DECAB_UNSAFE_NAME;
    case ZipFault::None: break;
  }
  return 0;
}

std::optional<uint64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// One file entry's stored bytes: salt | verifier | encrypted data | authentication code.
struct Sealed {
  std::span<uint8_t> salt, verifier, body, mac;
};

Sealed Split(std::span<uint8_t> archive, const ZipEntry& entry) {
  const std::span<uint8_t> data = archive.subspan(entry.dataOffset, entry.dataSize);
  const size_t saltSize = zip::AesSaltSize(entry.aesStrength);
  const size_t bodySize = data.size() - zip::AesOverhead(entry.aesStrength);
  return {data.subspan(0, saltSize), data.subspan(saltSize, zip::kAesVerifierSize),
          data.subspan(saltSize + zip::kAesVerifierSize, bodySize), data.subspan(data.size() - zip::kAesMacSize)};
}

bool Equal(std::span<const uint8_t> a, std::span<const uint8_t> b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

// Every file's keys, once the password and the authentication codes have been checked.
int VerifyAll(std::span<uint8_t> archive, const ExtractionPlan& plan, std::string_view password,
              std::vector<WinZipKeys>& keys) {
  keys.resize(plan.entries.size());
  for (size_t i = 0; i < plan.entries.size(); ++i) {
    const ZipEntry& entry = *plan.entries[i].entry;
    if (entry.directory) continue;
    const Sealed sealed = Split(archive, entry);
    auto derived = DeriveWinZipKeys(password, sealed.salt, entry.aesStrength);
    if (!derived) return DECAB_PLATFORM;
    if (!Equal(derived->verifier, sealed.verifier)) return DECAB_WRONG_PASSWORD;
    const auto mac = WinZipMac(*derived, sealed.body);
    if (!mac) return DECAB_PLATFORM;
    if (!Equal(*mac, sealed.mac)) return DECAB_DAMAGED;
    keys[i] = std::move(*derived);
  }
  return 0;
}

// Every file's bytes, deciphered and decoded; nothing is written before all are known good.
int DecodeAll(std::span<uint8_t> archive, const ExtractionPlan& plan, const std::vector<WinZipKeys>& keys,
              std::vector<Bytes>& files) {
  files.resize(plan.entries.size());
  for (size_t i = 0; i < plan.entries.size(); ++i) {
    const ZipEntry& entry = *plan.entries[i].entry;
    if (entry.directory) continue;
    const Sealed sealed = Split(archive, entry);
    if (!WinZipCrypt(keys[i], sealed.body)) return DECAB_PLATFORM;
    auto bytes = DecodeEntryData(entry, sealed.body);
    if (!bytes) return DECAB_DAMAGED;
    files[i] = std::move(*bytes);
  }
  return 0;
}

int WriteAll(const ExtractionPlan& plan, const std::vector<Bytes>& files, const std::string& targetFolder) {
  if (!CreateFolders(targetFolder)) return DECAB_WRITE_FAILED;
  int written = 0;
  for (size_t i = 0; i < plan.entries.size(); ++i) {
    const std::string path = JoinPath(targetFolder, plan.entries[i].path);
    if (plan.entries[i].entry->directory) {
      if (!CreateFolders(path)) return DECAB_WRITE_FAILED;
      continue;
    }
    const Bytes& bytes = files[i];
    if (!CreateFolders(path.substr(0, path.find_last_of('\\'))) ||
        !ReplaceFileBytes(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}))
      return DECAB_WRITE_FAILED;
    ++written;
  }
  return written;
}
}  // namespace

int UnpackArchive(const std::string& targetFolder, const std::string& archiveFile, std::string_view password) {
  const auto size = FileSize(archiveFile);
  if (!size) return DECAB_NO_ARCHIVE;
  if (*size > kMaxArchiveBytes) return DECAB_TOO_LARGE;
  auto bytes = ReadFileBytes(archiveFile);
  if (!bytes) return DECAB_NO_ARCHIVE;
  const std::span<uint8_t> archive(reinterpret_cast<uint8_t*>(bytes->data()), bytes->size());

  const ZipDirectory directory = ReadZipDirectory(archive, kMaxArchiveEntries);
  const ExtractionPlan plan =
      PlanExtraction(directory, [](std::string_view name) { return OemToUtf8(name); }, kMaxExtractedBytes);
  if (plan.fault != ZipFault::None) return CodeOf(plan.fault);

  std::vector<WinZipKeys> keys;
  if (const int refused = VerifyAll(archive, plan, password, keys); refused < 0) return refused;
  std::vector<Bytes> files;
  if (const int refused = DecodeAll(archive, plan, keys, files); refused < 0) return refused;
  return WriteAll(plan, files, targetFolder);
}
