#pragma once
// WinZip AES entry encryption through CNG: keys and a 2-byte password verifier from the password
// (PBKDF2-HMAC-SHA1, 1000 rounds), AES in counter mode (a little-endian counter from 1), and
// HMAC-SHA1 over the encrypted bytes, cut to 10 bytes.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "zip/zip_format.h"

struct WinZipKeys {
  std::vector<uint8_t> aes;
  std::vector<uint8_t> mac;
  std::array<uint8_t, zip::kAesVerifierSize> verifier{};
};

// strength 1, 2, 3 = AES-128, -192, -256; the salt has zip::AesSaltSize(strength) bytes.
std::optional<WinZipKeys> DeriveWinZipKeys(std::string_view password, std::span<const uint8_t> salt, int strength);

// Enciphers or deciphers in place: counter mode is its own inverse.
bool WinZipCrypt(const WinZipKeys& keys, std::span<uint8_t> data);

std::optional<std::array<uint8_t, zip::kAesMacSize>> WinZipMac(const WinZipKeys& keys,
                                                               std::span<const uint8_t> encrypted);
