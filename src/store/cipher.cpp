#include "store/cipher.h"

#include <vector>

#include "cipher_key.h"
#include "store/component_library.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
using SetEncKeyCall = int (*)(const char*);
using CipherCall = int (*)(const char*, char*, int);

std::string Run(const char* function, const std::string& text) {
  auto setKey = reinterpret_cast<SetEncKeyCall>(reinterpret_cast<void*>(ComponentFunction("VdEnc.dll", "SetEncKey")));
  auto cipher = reinterpret_cast<CipherCall>(reinterpret_cast<void*>(ComponentFunction("VdEnc.dll", function)));
  if (!setKey || !cipher || setKey(kCipherKey) < 0) return {};
  std::vector<char> buffer(kCipherBufferSize, '\0');
  if (cipher(Utf8ToAnsi(text).c_str(), buffer.data(), kCipherBufferSize) < 0) return {};
  buffer.back() = '\0';  // a component that overran its size still ends here
  return Trim(RemoveNuls(AnsiToUtf8(std::string(buffer.data()))));
}
}  // namespace

std::string EncipherText(const std::string& text) { return Run("Encrypt", text); }

std::string DecipherText(const std::string& text) { return Run("Decrypt", text); }
