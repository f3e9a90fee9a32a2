#pragma once
// The central directory of a ZIP archive held in memory, every entry checked against its local
// header. Offsets, sizes and counts are bounded by the archive before they are used. Portable.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class ZipFault { None, Damaged, Unsupported, TooLarge, UnsafeName };

struct ZipEntry {
  std::string name;        // as stored: UTF-8 when utf8Name, else the OEM code page
  bool utf8Name = false;
  bool directory = false;  // the name ends with a slash
  uint16_t method = 0;     // for WinZip AES entries the method inside the encryption
  int aesStrength = 0;     // 1, 2, 3 for WinZip AES entries, else 0
  int aesVersion = 0;      // 1 (AE-1, CRC kept) or 2 (AE-2, no CRC)
  uint32_t crc = 0;
  uint32_t uncompressedSize = 0;
  size_t dataOffset = 0;   // where the entry's stored bytes begin in the archive
  size_t dataSize = 0;
};

struct ZipDirectory {
  ZipFault fault = ZipFault::None;
  std::vector<ZipEntry> entries;
};

// Damaged: not a ZIP archive, cut short or inconsistent. Unsupported: split archives, ZIP64,
// encryption other than WinZip AES. TooLarge: more than maxEntries entries.
ZipDirectory ReadZipDirectory(std::span<const uint8_t> archive, size_t maxEntries);
