#pragma once
// Short texts enciphered for INI values and registry strings: AES-256-GCM under a key derived
// from a key text with PBKDF2-HMAC-SHA256, a fresh random nonce for every text, written as the
// base64 of  version (1 byte) | nonce (12) | cipher text | tag (16).  The version byte is
// authenticated with the text, so a changed byte anywhere is refused.
#include <optional>
#include <string>
#include <string_view>

#include "cng/cng.h"

class TextCipher {
 public:
  // Nothing when the platform cannot derive or hold the key.
  static std::optional<TextCipher> FromKeyText(std::string_view keyText);

  // Nothing only when the platform fails.
  std::optional<std::string> Encipher(std::string_view plain) const;
  // Nothing for any text this key did not encipher: malformed, truncated, tampered, other key.
  std::optional<std::string> Decipher(std::string_view enciphered) const;

  static size_t EncipheredLength(size_t plainLength);

 private:
  explicit TextCipher(AesKey key) : key_(std::move(key)) {}
  AesKey key_;
};
