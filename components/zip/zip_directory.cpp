#include "zip/zip_directory.h"

#include <cstring>
#include <optional>

#include "zip/zip_format.h"

namespace {
// Little-endian fields at fixed places of a record that is known to lie inside the archive.
uint16_t U16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }
uint32_t U32(const uint8_t* at) { return U16(at) | (static_cast<uint32_t>(U16(at + 2)) << 16); }

struct EndRecord {
  size_t position;
  uint16_t disk, directoryDisk, entriesHere, entries;
  uint32_t directorySize, directoryOffset;
};

// The last end-of-central-directory record whose comment fits in the archive.
std::optional<EndRecord> FindEnd(std::span<const uint8_t> archive) {
  if (archive.size() < zip::kEndSize) return std::nullopt;
  const size_t last = archive.size() - zip::kEndSize;
  const size_t first = last > zip::kMaxComment ? last - zip::kMaxComment : 0;
  for (size_t at = last + 1; at-- > first;) {
    const uint8_t* record = archive.data() + at;
    if (U32(record) != zip::kEndSignature || at + zip::kEndSize + U16(record + 20) > archive.size()) continue;
    return EndRecord{at, U16(record + 4), U16(record + 6), U16(record + 8), U16(record + 10), U32(record + 12),
                     U32(record + 16)};
  }
  return std::nullopt;
}

struct AesExtra {
  int version, strength;
  uint16_t method;
};

// The WinZip AES field among the extra fields; fault set when the fields are malformed.
std::optional<AesExtra> FindAesExtra(std::span<const uint8_t> extra, ZipFault& fault) {
  for (size_t at = 0; at < extra.size();) {
    if (extra.size() - at < 4) {
      fault = ZipFault::Damaged;
      return std::nullopt;
    }
    const uint16_t id = U16(&extra[at]), size = U16(&extra[at + 2]);
    at += 4;
    if (extra.size() - at < size) {
      fault = ZipFault::Damaged;
      return std::nullopt;
    }
    if (id == zip::kAesExtraId) {
      if (size != zip::kAesExtraSize || U16(&extra[at + 2]) != zip::kAesVendor) {
        fault = ZipFault::Damaged;
        return std::nullopt;
      }
      const AesExtra aes{U16(&extra[at]), extra[at + 4], U16(&extra[at + 5])};
      if (aes.version < 1 || aes.version > 2 || aes.strength < 1 || aes.strength > 3) {
        fault = ZipFault::Unsupported;
        return std::nullopt;
      }
      return aes;
    }
    at += size;
  }
  return std::nullopt;
}

class DirectoryReader {
 public:
  explicit DirectoryReader(std::span<const uint8_t> archive) : archive_(archive) {}

  ZipDirectory Read(size_t maxEntries) {
    const auto end = FindEnd(archive_);
    if (!end) return Fail(ZipFault::Damaged);
    if (end->disk != 0 || end->directoryDisk != 0 || end->entriesHere != end->entries)
      return Fail(ZipFault::Unsupported);
    if (end->entries == 0xFFFF || end->directorySize == 0xFFFFFFFF || end->directoryOffset == 0xFFFFFFFF)
      return Fail(ZipFault::Unsupported);  // ZIP64
    if (end->entries > maxEntries) return Fail(ZipFault::TooLarge);
    if (end->directoryOffset > end->position || end->position - end->directoryOffset < end->directorySize ||
        end->directorySize / zip::kCentralSize < end->entries)
      return Fail(ZipFault::Damaged);
    directory_.entries.reserve(end->entries);
    size_t at = end->directoryOffset;
    const size_t stop = at + end->directorySize;
    for (unsigned i = 0; i < end->entries && directory_.fault == ZipFault::None; ++i) at = ReadEntry(at, stop);
    if (directory_.fault != ZipFault::None) directory_.entries.clear();
    return std::move(directory_);
  }

 private:
  ZipDirectory Fail(ZipFault fault) {
    directory_.fault = fault;
    directory_.entries.clear();
    return std::move(directory_);
  }
  size_t Damaged() {
    directory_.fault = ZipFault::Damaged;
    return 0;
  }
  size_t Unsupported() {
    directory_.fault = ZipFault::Unsupported;
    return 0;
  }

  // One central record from `at` (before `stop`); returns where the next one starts.
  size_t ReadEntry(size_t at, size_t stop) {
    if (stop - at < zip::kCentralSize) return Damaged();
    const uint8_t* record = archive_.data() + at;
    const size_t nameSize = U16(record + 28), extraSize = U16(record + 30), commentSize = U16(record + 32);
    if (U32(record) != zip::kCentralSignature || stop - at - zip::kCentralSize < nameSize + extraSize + commentSize)
      return Damaged();
    const uint16_t flags = U16(record + 8), method = U16(record + 10);
    const uint32_t compressed = U32(record + 20), uncompressed = U32(record + 24), local = U32(record + 42);
    if (compressed == 0xFFFFFFFF || uncompressed == 0xFFFFFFFF || local == 0xFFFFFFFF) return Unsupported();
    if (U16(record + 34) != 0) return Unsupported();  // on another disk

    ZipEntry entry;
    entry.name.assign(reinterpret_cast<const char*>(record + zip::kCentralSize), nameSize);
    entry.utf8Name = flags & zip::kFlagUtf8;
    entry.directory = !entry.name.empty() && (entry.name.back() == '/' || entry.name.back() == '\\');
    entry.method = method;
    entry.crc = U32(record + 16);
    entry.uncompressedSize = uncompressed;
    entry.dataSize = compressed;

    ZipFault extraFault = ZipFault::None;
    const auto aes = FindAesExtra({record + zip::kCentralSize + nameSize, extraSize}, extraFault);
    if (extraFault != ZipFault::None) {
      directory_.fault = extraFault;
      return 0;
    }
    const bool encrypted = flags & zip::kFlagEncrypted;
    if (method == zip::kWinZipAes) {
      if (!aes || !encrypted) return Damaged();
      entry.method = aes->method;
      entry.aesStrength = aes->strength;
      entry.aesVersion = aes->version;
    } else if (encrypted) {
      return Unsupported();  // traditional PKWARE or strong encryption
    }
    if (!Locate(entry, local, method)) return Damaged();
    directory_.entries.push_back(std::move(entry));
    return at + zip::kCentralSize + nameSize + extraSize + commentSize;
  }

  // Finds the entry's data behind its local header, which must name the same entry.
  bool Locate(ZipEntry& entry, size_t local, uint16_t method) const {
    if (local > archive_.size() || archive_.size() - local < zip::kLocalSize) return false;
    const uint8_t* header = archive_.data() + local;
    const size_t nameSize = U16(header + 26), extraSize = U16(header + 28);
    const size_t data = local + zip::kLocalSize + nameSize + extraSize;
    if (U32(header) != zip::kLocalSignature || U16(header + 8) != method || nameSize != entry.name.size() ||
        data > archive_.size() || archive_.size() - data < entry.dataSize)
      return false;
    if (std::memcmp(header + zip::kLocalSize, entry.name.data(), nameSize) != 0) return false;
    entry.dataOffset = data;
    return true;
  }

  std::span<const uint8_t> archive_;
  ZipDirectory directory_;
};
}  // namespace

ZipDirectory ReadZipDirectory(std::span<const uint8_t> archive, size_t maxEntries) {
  return DirectoryReader(archive).Read(maxEntries);
}
