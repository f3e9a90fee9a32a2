#pragma once
// The ZIP records both the reader and the writer use (APPNOTE 6.3, WinZip AES). Portable.
#include <cstddef>
#include <cstdint>

namespace zip {
inline constexpr uint32_t kLocalSignature = 0x04034b50;
inline constexpr uint32_t kCentralSignature = 0x02014b50;
inline constexpr uint32_t kEndSignature = 0x06054b50;
inline constexpr size_t kLocalSize = 30;
inline constexpr size_t kCentralSize = 46;
inline constexpr size_t kEndSize = 22;
inline constexpr size_t kMaxComment = 0xFFFF;

inline constexpr uint16_t kFlagEncrypted = 1 << 0;
inline constexpr uint16_t kFlagUtf8 = 1 << 11;

inline constexpr uint16_t kStored = 0;
inline constexpr uint16_t kDeflated = 8;
inline constexpr uint16_t kDeflate64 = 9;
inline constexpr uint16_t kWinZipAes = 99;

// WinZip AES extra field: version (1 = AE-1 with CRC, 2 = AE-2 without), "AE", strength
// (1, 2, 3 = AES-128, -192, -256), the entry's real compression method.
inline constexpr uint16_t kAesExtraId = 0x9901;
inline constexpr size_t kAesExtraSize = 7;
inline constexpr uint16_t kAesVendor = 0x4541;  // "AE"
inline constexpr size_t kAesVerifierSize = 2;
inline constexpr size_t kAesMacSize = 10;
// Salt, key and verifier sizes by strength 1..3.
constexpr size_t AesKeySize(int strength) { return 8 + 8 * static_cast<size_t>(strength); }
constexpr size_t AesSaltSize(int strength) { return AesKeySize(strength) / 2; }
constexpr size_t AesOverhead(int strength) { return AesSaltSize(strength) + kAesVerifierSize + kAesMacSize; }
}  // namespace zip
