#include "cng/cng.h"

#include <algorithm>
#include <cwchar>
#include <limits>
#include <utility>

namespace {
// CNG declares its input buffers writable but never writes them.
PUCHAR Input(std::span<const uint8_t> bytes) { return const_cast<PUCHAR>(bytes.data()); }

bool FitsUlong(size_t size) { return size <= std::numeric_limits<ULONG>::max(); }

class Algorithm {
 public:
  Algorithm(const wchar_t* name, ULONG flags) {
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&handle_, name, nullptr, flags))) handle_ = nullptr;
  }
  ~Algorithm() {
    if (handle_) BCryptCloseAlgorithmProvider(handle_, 0);
  }
  Algorithm(const Algorithm&) = delete;
  Algorithm& operator=(const Algorithm&) = delete;
  BCRYPT_ALG_HANDLE get() const { return handle_; }
  BCRYPT_ALG_HANDLE release() { return std::exchange(handle_, nullptr); }

 private:
  BCRYPT_ALG_HANDLE handle_ = nullptr;
};
}  // namespace

bool RandomBytes(std::span<uint8_t> out) {
  return FitsUlong(out.size()) &&
         BCRYPT_SUCCESS(BCryptGenRandom(nullptr, out.data(), static_cast<ULONG>(out.size()),
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

bool Pbkdf2(const wchar_t* hash, std::span<const uint8_t> password, std::span<const uint8_t> salt,
            uint64_t iterations, std::span<uint8_t> out) {
  Algorithm hmac(hash, BCRYPT_ALG_HANDLE_HMAC_FLAG);
  if (!hmac.get() || !FitsUlong(password.size()) || !FitsUlong(salt.size()) || !FitsUlong(out.size())) return false;
  return BCRYPT_SUCCESS(BCryptDeriveKeyPBKDF2(hmac.get(), Input(password), static_cast<ULONG>(password.size()),
                                              Input(salt), static_cast<ULONG>(salt.size()), iterations, out.data(),
                                              static_cast<ULONG>(out.size()), 0));
}

std::optional<std::array<uint8_t, 20>> HmacSha1(std::span<const uint8_t> key, std::span<const uint8_t> data) {
  Algorithm hmac(BCRYPT_SHA1_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG);
  BCRYPT_HASH_HANDLE hash = nullptr;
  if (!hmac.get() || !FitsUlong(key.size()) || !FitsUlong(data.size()) ||
      !BCRYPT_SUCCESS(BCryptCreateHash(hmac.get(), &hash, nullptr, 0, Input(key), static_cast<ULONG>(key.size()), 0)))
    return std::nullopt;
  std::array<uint8_t, 20> mac{};
  const bool done = BCRYPT_SUCCESS(BCryptHashData(hash, Input(data), static_cast<ULONG>(data.size()), 0)) &&
                    BCRYPT_SUCCESS(BCryptFinishHash(hash, mac.data(), static_cast<ULONG>(mac.size()), 0));
  BCryptDestroyHash(hash);
  if (!done) return std::nullopt;
  return mac;
}

std::optional<AesKey> AesKey::Create(const wchar_t* chainingMode, std::span<const uint8_t> key) {
  Algorithm aes(BCRYPT_AES_ALGORITHM, 0);
  BCRYPT_KEY_HANDLE handle = nullptr;
  const auto modeBytes = static_cast<ULONG>((wcslen(chainingMode) + 1) * sizeof(wchar_t));
  if (!aes.get() || !FitsUlong(key.size()) ||
      !BCRYPT_SUCCESS(BCryptSetProperty(aes.get(), BCRYPT_CHAINING_MODE,
                                        reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(chainingMode)), modeBytes, 0)) ||
      !BCRYPT_SUCCESS(BCryptGenerateSymmetricKey(aes.get(), &handle, nullptr, 0, Input(key),
                                                 static_cast<ULONG>(key.size()), 0)))
    return std::nullopt;
  return AesKey(aes.release(), handle);
}

AesKey::AesKey(AesKey&& other) noexcept
    : algorithm_(std::exchange(other.algorithm_, nullptr)), key_(std::exchange(other.key_, nullptr)) {}

AesKey& AesKey::operator=(AesKey&& other) noexcept {
  std::swap(algorithm_, other.algorithm_);
  std::swap(key_, other.key_);
  return *this;
}

AesKey::~AesKey() {
  if (key_) BCryptDestroyKey(key_);
  if (algorithm_) BCryptCloseAlgorithmProvider(algorithm_, 0);
}

bool AesKey::EncryptBlocks(std::span<const uint8_t> in, std::span<uint8_t> out) const {
  if (in.size() != out.size() || in.size() % kBlock != 0 || !FitsUlong(in.size())) return false;
  ULONG written = 0;
  return BCRYPT_SUCCESS(BCryptEncrypt(key_, Input(in), static_cast<ULONG>(in.size()), nullptr, nullptr, 0,
                                      out.data(), static_cast<ULONG>(out.size()), &written, 0)) &&
         written == in.size();
}

bool AesKey::Seal(std::span<const uint8_t> nonce, std::span<const uint8_t> associated, std::span<const uint8_t> plain,
                  std::span<uint8_t> out, std::span<uint8_t, kGcmTag> tag) const {
  return Gcm(true, nonce, associated, plain, out, tag);
}

bool AesKey::Open(std::span<const uint8_t> nonce, std::span<const uint8_t> associated,
                  std::span<const uint8_t> sealed, std::span<const uint8_t, kGcmTag> tag,
                  std::span<uint8_t> out) const {
  std::array<uint8_t, kGcmTag> expected;
  std::copy(tag.begin(), tag.end(), expected.begin());
  return Gcm(false, nonce, associated, sealed, out, expected);
}

bool AesKey::Gcm(bool seal, std::span<const uint8_t> nonce, std::span<const uint8_t> associated,
                 std::span<const uint8_t> in, std::span<uint8_t> out, std::span<uint8_t, kGcmTag> tag) const {
  if (nonce.size() != kGcmNonce || in.size() != out.size() || !FitsUlong(in.size()) || !FitsUlong(associated.size()))
    return false;
  BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info;
  BCRYPT_INIT_AUTH_MODE_INFO(info);
  info.pbNonce = Input(nonce);
  info.cbNonce = static_cast<ULONG>(nonce.size());
  info.pbAuthData = associated.empty() ? nullptr : Input(associated);
  info.cbAuthData = static_cast<ULONG>(associated.size());
  info.pbTag = tag.data();
  info.cbTag = static_cast<ULONG>(tag.size());
  ULONG written = 0;
  const auto size = static_cast<ULONG>(in.size());
  // An empty text still yields (or checks) a tag; CNG wants null buffers then.
  PUCHAR from = in.empty() ? nullptr : Input(in);
  PUCHAR to = in.empty() ? nullptr : out.data();
  const NTSTATUS status = seal ? BCryptEncrypt(key_, from, size, &info, nullptr, 0, to, size, &written, 0)
                               : BCryptDecrypt(key_, from, size, &info, nullptr, 0, to, size, &written, 0);
  return BCRYPT_SUCCESS(status) && written == size;
}
