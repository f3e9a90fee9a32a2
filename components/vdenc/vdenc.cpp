// The exports of VdEnc.dll. No exception leaves them.
#include "vdenc/vdenc.h"

#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include "vdenc/text_cipher.h"

namespace {
struct KeyState {
  std::mutex lock;
  std::string keyText;
  std::optional<TextCipher> cipher;
};

KeyState& State() {
  static KeyState state;
  return state;
}

void Clear(char* out, int outSize) {
  if (out && outSize > 0) out[0] = '\0';
}

int Deliver(const std::string& result, char* out, int outSize) {
  if (result.size() >= static_cast<size_t>(outSize)) {
    Clear(out, outSize);
    return VDENC_SHORT_BUFFER;
  }
  std::memcpy(out, result.data(), result.size());
  out[result.size()] = '\0';
  return static_cast<int>(result.size());
}

template <class Work>
int Cipher(const char* text, char* out, int outSize, Work work) noexcept {
  try {
    if (!text || !out || outSize < 1) {
      Clear(out, outSize);
      return VDENC_BAD_ARGUMENT;
    }
    KeyState& state = State();
    std::lock_guard hold(state.lock);
    if (!state.cipher) {
      Clear(out, outSize);
      return VDENC_NO_KEY;
    }
    return work(*state.cipher, std::string_view(text));
  } catch (...) {
    Clear(out, outSize);
    return VDENC_PLATFORM;
  }
}
}  // namespace

extern "C" int SetEncKey(const char* key) {
  try {
    if (!key || !*key) return VDENC_BAD_ARGUMENT;
    KeyState& state = State();
    std::lock_guard hold(state.lock);
    if (state.cipher && state.keyText == key) return 0;
    state.cipher.reset();
    state.keyText.clear();
    state.cipher = TextCipher::FromKeyText(key);
    if (!state.cipher) return VDENC_PLATFORM;
    state.keyText = key;
    return 0;
  } catch (...) {
    return VDENC_PLATFORM;
  }
}

extern "C" int Encrypt(const char* text, char* out, int outSize) {
  return Cipher(text, out, outSize, [&](const TextCipher& cipher, std::string_view plain) {
    if (TextCipher::EncipheredLength(plain.size()) >= static_cast<size_t>(outSize)) {
      Clear(out, outSize);
      return VDENC_SHORT_BUFFER;
    }
    const auto enciphered = cipher.Encipher(plain);
    if (!enciphered) {
      Clear(out, outSize);
      return VDENC_PLATFORM;
    }
    return Deliver(*enciphered, out, outSize);
  });
}

extern "C" int Decrypt(const char* text, char* out, int outSize) {
  return Cipher(text, out, outSize, [&](const TextCipher& cipher, std::string_view enciphered) {
    const auto plain = cipher.Decipher(enciphered);
    if (!plain) {
      Clear(out, outSize);
      return VDENC_REFUSED;
    }
    return Deliver(*plain, out, outSize);
  });
}
