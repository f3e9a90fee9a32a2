#include "vdenc/text_cipher.h"

#include <array>
#include <vector>

#include "vdenc/base64.h"

namespace {
constexpr uint8_t kVersion = 1;
// Many iterations make trying every 4-digit key slow; SetEncKey derives once per key text.
constexpr uint64_t kIterations = 100000;
constexpr std::string_view kSalt = "Tessel VdEnc key";
constexpr size_t kOverhead = 1 + AesKey::kGcmNonce + AesKey::kGcmTag;
}  // namespace

std::optional<TextCipher> TextCipher::FromKeyText(std::string_view keyText) {
  std::array<uint8_t, 32> key{};
  std::optional<AesKey> aes;
  if (Pbkdf2(BCRYPT_SHA256_ALGORITHM, AsBytes(keyText), AsBytes(kSalt), kIterations, key))
    aes = AesKey::Create(BCRYPT_CHAIN_MODE_GCM, key);
  SecureZeroMemory(key.data(), key.size());
  if (!aes) return std::nullopt;
  return TextCipher(std::move(*aes));
}

std::optional<std::string> TextCipher::Encipher(std::string_view plain) const {
  std::vector<uint8_t> sealed(kOverhead + plain.size());
  sealed[0] = kVersion;
  const std::span<uint8_t> nonce(sealed.data() + 1, AesKey::kGcmNonce);
  const std::span<uint8_t> body(nonce.data() + nonce.size(), plain.size());
  const std::span<uint8_t, AesKey::kGcmTag> tag(body.data() + body.size(), AesKey::kGcmTag);
  if (!RandomBytes(nonce) || !key_.Seal(nonce, std::span(sealed.data(), 1), AsBytes(plain), body, tag))
    return std::nullopt;
  return EncodeBase64(sealed);
}

std::optional<std::string> TextCipher::Decipher(std::string_view enciphered) const {
  const auto sealed = DecodeBase64(enciphered);
  if (!sealed || sealed->size() < kOverhead || (*sealed)[0] != kVersion) return std::nullopt;
  const std::span<const uint8_t> nonce(sealed->data() + 1, AesKey::kGcmNonce);
  const std::span<const uint8_t> body(nonce.data() + nonce.size(), sealed->size() - kOverhead);
  const std::span<const uint8_t, AesKey::kGcmTag> tag(body.data() + body.size(), AesKey::kGcmTag);
  std::string plain(body.size(), '\0');
  if (!key_.Open(nonce, std::span(sealed->data(), 1), body, tag,
                 {reinterpret_cast<uint8_t*>(plain.data()), plain.size()}))
    return std::nullopt;
  return plain;
}

size_t TextCipher::EncipheredLength(size_t plainLength) { return Base64Length(kOverhead + plainLength); }

