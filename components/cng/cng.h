#pragma once
// The platform's cryptography (CNG, bcrypt.dll) in the few shapes the components need.
// Failures are results (false or nothing); nothing here throws.
#include <windows.h>

#include <bcrypt.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// A text's bytes, as the functions here take them.
inline std::span<const uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Fills the buffer from the system's preferred random number generator.
bool RandomBytes(std::span<uint8_t> out);

// PBKDF2 with HMAC over the named hash (BCRYPT_SHA1_ALGORITHM, BCRYPT_SHA256_ALGORITHM, ...).
bool Pbkdf2(const wchar_t* hash, std::span<const uint8_t> password, std::span<const uint8_t> salt,
            uint64_t iterations, std::span<uint8_t> out);

std::optional<std::array<uint8_t, 20>> HmacSha1(std::span<const uint8_t> key, std::span<const uint8_t> data);

// One AES key (128, 192 or 256 bits) in one chaining mode; released with the object.
class AesKey {
 public:
  static constexpr size_t kBlock = 16;
  static constexpr size_t kGcmNonce = 12;
  static constexpr size_t kGcmTag = 16;

  // chainingMode: BCRYPT_CHAIN_MODE_ECB or BCRYPT_CHAIN_MODE_GCM.
  static std::optional<AesKey> Create(const wchar_t* chainingMode, std::span<const uint8_t> key);

  AesKey(AesKey&& other) noexcept;
  AesKey& operator=(AesKey&& other) noexcept;
  AesKey(const AesKey&) = delete;
  ~AesKey();

  // ECB: whole blocks from in to out (same size, a multiple of kBlock).
  bool EncryptBlocks(std::span<const uint8_t> in, std::span<uint8_t> out) const;

  // GCM: out has the size of the input; the tag is made by Seal and checked by Open.
  bool Seal(std::span<const uint8_t> nonce, std::span<const uint8_t> associated, std::span<const uint8_t> plain,
            std::span<uint8_t> out, std::span<uint8_t, kGcmTag> tag) const;
  bool Open(std::span<const uint8_t> nonce, std::span<const uint8_t> associated, std::span<const uint8_t> sealed,
            std::span<const uint8_t, kGcmTag> tag, std::span<uint8_t> out) const;

 private:
  AesKey(BCRYPT_ALG_HANDLE algorithm, BCRYPT_KEY_HANDLE key) : algorithm_(algorithm), key_(key) {}
  bool Gcm(bool seal, std::span<const uint8_t> nonce, std::span<const uint8_t> associated,
           std::span<const uint8_t> in, std::span<uint8_t> out, std::span<uint8_t, kGcmTag> tag) const;

  BCRYPT_ALG_HANDLE algorithm_;
  BCRYPT_KEY_HANDLE key_;
};
