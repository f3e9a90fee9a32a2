#include "zip/zip_writer.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "cng/cng.h"
#include "zip/winzip_aes.h"

namespace {
constexpr uint16_t kVersionMadeBy = 63;  // APPNOTE 6.3, MS-DOS attributes
constexpr uint16_t kVersionNeeded = 51;  // AES encryption
constexpr uint32_t kArchiveAttribute = 0x20;
constexpr uint32_t kMax32 = std::numeric_limits<uint32_t>::max();

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The fields local and central headers share, from "version needed" to the extra field's length.
void PutCommon(std::string& out, const ZipRecord& record) {
  Put16(out, kVersionNeeded);
  Put16(out, zip::kFlagEncrypted | (IsAscii(record.name) ? 0 : zip::kFlagUtf8));
  Put16(out, zip::kWinZipAes);
  Put16(out, record.dosTime);
  Put16(out, record.dosDate);
  Put32(out, record.aesVersion == 1 ? record.crc : 0);
  Put32(out, static_cast<uint32_t>(record.sealed.size()));
  Put32(out, record.uncompressedSize);
  Put16(out, static_cast<uint32_t>(record.name.size()));
  Put16(out, 4 + zip::kAesExtraSize);
}

void PutAesExtra(std::string& out, const ZipRecord& record) {
  Put16(out, zip::kAesExtraId);
  Put16(out, zip::kAesExtraSize);
  Put16(out, static_cast<uint32_t>(record.aesVersion));
  Put16(out, zip::kAesVendor);
  out += static_cast<char>(3);  // AES-256
  Put16(out, record.method);
}
}  // namespace

std::optional<std::string> LayOutZip(const std::vector<ZipRecord>& records) {
  if (records.size() >= 0xFFFF) return std::nullopt;
  std::string archive, directory;
  for (const ZipRecord& record : records) {
    if (record.name.size() > 0xFFFF || record.sealed.size() > kMax32 || archive.size() > kMax32) return std::nullopt;
    const auto offset = static_cast<uint32_t>(archive.size());
    Put32(archive, zip::kLocalSignature);
    PutCommon(archive, record);
    archive += record.name;
    PutAesExtra(archive, record);
    archive += record.sealed;

    Put32(directory, zip::kCentralSignature);
    Put16(directory, kVersionMadeBy);
    PutCommon(directory, record);
    Put16(directory, 0);  // comment
    Put16(directory, 0);  // disk
    Put16(directory, 0);  // internal attributes
    Put32(directory, kArchiveAttribute);
    Put32(directory, offset);
    directory += record.name;
    PutAesExtra(directory, record);
  }
  if (archive.size() > kMax32 || directory.size() > kMax32 - archive.size()) return std::nullopt;
  const auto directoryOffset = static_cast<uint32_t>(archive.size());
  archive += directory;
  Put32(archive, zip::kEndSignature);
  Put16(archive, 0);
  Put16(archive, 0);
  Put16(archive, static_cast<uint32_t>(records.size()));
  Put16(archive, static_cast<uint32_t>(records.size()));
  Put32(archive, static_cast<uint32_t>(directory.size()));
  Put32(archive, directoryOffset);
  Put16(archive, 0);
  return archive;
}

std::optional<std::string> SealWinZipAes(std::string_view password, std::span<const uint8_t> data) {
  constexpr int kStrength = 3;
  std::vector<uint8_t> salt(zip::AesSaltSize(kStrength));
  if (!RandomBytes(salt)) return std::nullopt;
  const auto keys = DeriveWinZipKeys(password, salt, kStrength);
  if (!keys) return std::nullopt;
  std::vector<uint8_t> body(data.begin(), data.end());
  if (!WinZipCrypt(*keys, body)) return std::nullopt;
  const auto mac = WinZipMac(*keys, body);
  if (!mac) return std::nullopt;
  std::string sealed;
  sealed.reserve(salt.size() + zip::kAesVerifierSize + body.size() + mac->size());
  sealed.append(salt.begin(), salt.end());
  sealed.append(keys->verifier.begin(), keys->verifier.end());
  sealed.append(body.begin(), body.end());
  sealed.append(mac->begin(), mac->end());
  return sealed;
}

std::optional<std::string> WriteAesZip(const std::vector<ZipFile>& files, std::string_view password) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const auto dosTime = static_cast<uint16_t>((now.wHour << 11) | (now.wMinute << 5) | (now.wSecond / 2));
  const int year = std::max<int>(now.wYear, 1980) - 1980;
  const auto dosDate = static_cast<uint16_t>((year << 9) | (now.wMonth << 5) | now.wDay);
  std::vector<ZipRecord> records;
  for (const ZipFile& file : files) {
    if (file.bytes.size() > kMax32) return std::nullopt;
    auto sealed = SealWinZipAes(password, AsBytes(file.bytes));
    if (!sealed) return std::nullopt;
    ZipRecord record;
    record.name = file.name;
    record.uncompressedSize = static_cast<uint32_t>(file.bytes.size());
    record.sealed = std::move(*sealed);
    record.dosTime = dosTime;
    record.dosDate = dosDate;
    records.push_back(std::move(record));
  }
  return LayOutZip(records);
}
