#include "pack/settings_file.h"

#include "cipher_key.h"

namespace {
// The enciphered text, if the PCs can read it back through their buffer.
std::optional<std::string> Enciphered(const TextCipher& cipher, const std::string& plain, const std::string& what,
                                      std::string& error) {
  if (TextCipher::EncipheredLength(plain.size()) >= static_cast<size_t>(kCipherBufferSize)) {
    error = what + " is too long";
    return std::nullopt;
  }
  auto text = cipher.Encipher(plain);
  if (!text) error = "the platform could not encipher " + what;
  return text;
}
}  // namespace

std::optional<std::string> MakeSettingsFile(const CafeSettings& cafe, const TextCipher& cipher, std::string& error) {
  const auto password = Enciphered(cipher, "<" + cafe.password, "the password", error);
  if (!password) return std::nullopt;
  std::string file = *password + "\r\n[DNS]\r\ncnt=" + std::to_string(cafe.count) + "\r\npc=" + cafe.prefix +
                     "\r\nsm=" + cafe.mask + "\r\ngw=" + cafe.gateway + "\r\ndns1=" + cafe.dns1 + "\r\ndns2=" +
                     cafe.dns2 + "\r\n[IP]\r\n";
  for (const CafePc& pc : cafe.pcs) {
    file += std::to_string(pc.number) + "=" + pc.ip;
    for (size_t kind = 0; kind < pc.keys.size(); ++kind) {
      file += ',';
      if (pc.keys[kind].empty()) continue;
      const auto key = Enciphered(cipher, pc.keys[kind],
                                  "CD key " + std::to_string(kind + 1) + " of PC " + std::to_string(pc.number), error);
      if (!key) return std::nullopt;
      file += *key;
    }
    file += "\r\n";
  }
  return file;
}
