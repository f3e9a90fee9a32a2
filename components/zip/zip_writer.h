#pragma once
// ZIP archives whose files are protected with WinZip AES-256, as 7-Zip writes them with
// -tzip -mem=AES256.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "zip/zip_format.h"

// One file entry as laid out: its header values and its sealed bytes.
struct ZipRecord {
  std::string name;                // UTF-8, "/" between folders
  uint16_t method = zip::kStored;  // the compression inside the encryption
  int aesVersion = 2;              // AE-2 keeps no CRC; AE-1 keeps `crc`
  uint32_t crc = 0;
  uint32_t uncompressedSize = 0;
  std::string sealed;              // salt | verifier | encrypted bytes | authentication code
  uint16_t dosTime = 0, dosDate = 0;
};

// The archive: local headers with data, central directory, end record. Names that are not
// plain ASCII carry the UTF-8 flag. Nothing when a size does not fit the format's 32 bits.
std::optional<std::string> LayOutZip(const std::vector<ZipRecord>& records);

// What a file's data become under WinZip AES-256 with a fresh random salt; nothing when the
// platform's cryptography fails.
std::optional<std::string> SealWinZipAes(std::string_view password, std::span<const uint8_t> data);

struct ZipFile {
  std::string name;   // UTF-8, "/" between folders
  std::string bytes;
};

// Stored AE-2 files, stamped with the local time now.
std::optional<std::string> WriteAesZip(const std::vector<ZipFile>& files, std::string_view password);
