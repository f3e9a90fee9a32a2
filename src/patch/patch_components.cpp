// The cipher (VdEnc.dll) and archive (vdCab.dll) components beside the program, loaded when
// first needed.
#include "patch/patch_components.h"

#include <windows.h>

#include <vector>

#include "patch/patch_data.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
// Values the components and the server's packing tool share.
constexpr char kCipherKey[] = "4829";
constexpr int kCipherBufferSize = 1024;
constexpr char kDescriptorArchivePassword[] = "valroke";

using SetEncKeyFunction = int (*)(const char*);
using CipherFunction = int (*)(const char*, char*, int);
using DeCabFunction = int (*)(const char*, const char*, const char*);

template <class Function>
Function Export(const char* library, const char* name) {
  HMODULE module = LoadLibraryW(Widen(JoinPath(TheApp().ProgramFolder, library)).c_str());
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

std::string Cipher(const char* operation, std::string_view text) {
  if (text.empty()) return {};
  auto setKey = Export<SetEncKeyFunction>("VdEnc.dll", "SetEncKey");
  auto run = Export<CipherFunction>("VdEnc.dll", operation);
  if (!setKey || !run || setKey(kCipherKey) < 0) return {};
  std::vector<char> buffer(kCipherBufferSize, '\0');
  std::string ansi = Utf8ToAnsi(text);
  if (run(ansi.c_str(), buffer.data(), kCipherBufferSize) < 0) return {};
  return Trim(AnsiToUtf8(RemoveNuls(std::string_view(buffer.data(), buffer.size()))));
}
}  // namespace

bool UnpackDescriptorArchive() {
  if (!FileExists(DescriptorArchive())) return false;
  auto deCab = Export<DeCabFunction>("vdCab.dll", "DeCab");
  if (!deCab) return true;
  std::string target = Utf8ToAnsi(JoinPath(TheApp().ProgramFolder, "Skin\\htm"));
  std::string archive = Utf8ToAnsi(DescriptorArchive());
  for (int attempt = 0; attempt < 3; ++attempt)
    if (deCab(target.c_str(), archive.c_str(), kDescriptorArchivePassword) >= 0) break;
  return true;
}

std::string EncipherPassword(std::string_view plain) { return Cipher("Encrypt", plain); }
std::string DecipherPassword(std::string_view enciphered) { return Cipher("Decrypt", enciphered); }
