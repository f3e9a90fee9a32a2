#include "archive_builder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cng/cng.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "zip/crc32.h"

namespace {
ZipRecord Sealed(const std::string& name, std::string_view data, std::string_view password) {
  ZipRecord record;
  record.name = name;
  auto sealed = SealWinZipAes(password, AsBytes(data));
  EXPECT_TRUE(sealed.has_value()) << "sealing " << name;
  record.sealed = sealed.value_or("");
  return record;
}
}  // namespace

ZipRecord StoredRecord(const std::string& name, std::string_view bytes, std::string_view password) {
  ZipRecord record = Sealed(name, bytes, password);
  record.uncompressedSize = static_cast<uint32_t>(bytes.size());
  record.crc = Crc32(AsBytes(bytes));
  return record;
}

ZipRecord DeflatedRecord(const std::string& name, std::string_view stream, uint32_t claimedSize,
                         std::string_view password) {
  ZipRecord record = Sealed(name, stream, password);
  record.method = zip::kDeflated;
  record.uncompressedSize = claimedSize;
  return record;
}

std::string Archive(const std::vector<ZipRecord>& records) {
  auto archive = LayOutZip(records);
  EXPECT_TRUE(archive.has_value());
  return archive.value_or("");
}

void ClearUtf8Flags(std::string& archive) {
  for (const auto& [signature, flagsAt] : {std::pair{std::string("PK\3\4"), 6}, std::pair{std::string("PK\1\2"), 8}})
    for (size_t at = archive.find(signature); at != std::string::npos; at = archive.find(signature, at + 1))
      archive[at + flagsAt + 1] = static_cast<char>(archive[at + flagsAt + 1] & ~(zip::kFlagUtf8 >> 8));
}

std::map<std::string, std::string> TreeOf(const std::string& folder) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> tree;
  std::error_code error;
  const fs::path root(Widen(folder));
  for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
    const std::string name = Narrow(it->path().lexically_relative(root).wstring());
    const std::string path = Narrow(it->path().wstring());
    tree[name] = it->is_directory() ? "<folder>" : ReadFileBytes(path).value_or("<unreadable>");
  }
  return tree;
}
