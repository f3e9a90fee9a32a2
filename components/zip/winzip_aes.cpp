#include "zip/winzip_aes.h"

#include <algorithm>

#include "cng/cng.h"

namespace {
constexpr uint64_t kRounds = 1000;
constexpr size_t kChunkBlocks = 4096;
}  // namespace

std::optional<WinZipKeys> DeriveWinZipKeys(std::string_view password, std::span<const uint8_t> salt, int strength) {
  if (strength < 1 || strength > 3 || salt.size() != zip::AesSaltSize(strength)) return std::nullopt;
  const size_t keySize = zip::AesKeySize(strength);
  std::vector<uint8_t> derived(2 * keySize + zip::kAesVerifierSize);
  if (!Pbkdf2(BCRYPT_SHA1_ALGORITHM, AsBytes(password), salt, kRounds, derived))
    return std::nullopt;
  WinZipKeys keys;
  keys.aes.assign(derived.begin(), derived.begin() + keySize);
  keys.mac.assign(derived.begin() + keySize, derived.begin() + 2 * keySize);
  std::copy_n(derived.begin() + 2 * keySize, zip::kAesVerifierSize, keys.verifier.begin());
  return keys;
}

bool WinZipCrypt(const WinZipKeys& keys, std::span<uint8_t> data) {
  const auto aes = AesKey::Create(BCRYPT_CHAIN_MODE_ECB, keys.aes);
  if (!aes) return false;
  std::vector<uint8_t> counters(kChunkBlocks * AesKey::kBlock), stream(counters.size());
  uint64_t counter = 1;
  for (size_t done = 0; done < data.size();) {
    const size_t size = std::min(stream.size(), data.size() - done);
    const size_t blocks = (size + AesKey::kBlock - 1) / AesKey::kBlock;
    std::fill(counters.begin(), counters.end(), 0);
    for (size_t b = 0; b < blocks; ++b, ++counter)
      for (size_t i = 0; i < 8; ++i) counters[b * AesKey::kBlock + i] = static_cast<uint8_t>(counter >> (8 * i));
    const size_t used = blocks * AesKey::kBlock;
    if (!aes->EncryptBlocks(std::span(counters.data(), used), std::span(stream.data(), used))) return false;
    for (size_t i = 0; i < size; ++i) data[done + i] ^= stream[i];
    done += size;
  }
  return true;
}

std::optional<std::array<uint8_t, zip::kAesMacSize>> WinZipMac(const WinZipKeys& keys,
                                                               std::span<const uint8_t> encrypted) {
  const auto full = HmacSha1(keys.mac, encrypted);
  if (!full) return std::nullopt;
  std::array<uint8_t, zip::kAesMacSize> mac;
  std::copy_n(full->begin(), mac.size(), mac.begin());
  return mac;
}
