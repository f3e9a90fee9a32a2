#include "store/path_names.h"

#include <string>

#include "store/text_util.h"

namespace {
bool IsForbiddenCharacter(unsigned char c) {
  return c < 0x20 || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos;
}

// Windows opens the device for these names whatever extension follows them.
bool IsDeviceName(std::string_view name) {
  std::string base = ToUpperAscii(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
    if (base == device) return true;
  if (base.size() < 4 || !(StartsWith(base, "COM") || StartsWith(base, "LPT"))) return false;
  std::string_view digit = std::string_view(base).substr(3);
  return (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') || digit == "\xC2\xB9" || digit == "\xC2\xB2" ||
         digit == "\xC2\xB3";  // superscript one, two, three
}

// Length as Windows counts it: UTF-16 units of the UTF-8 text.
size_t Utf16Length(std::string_view utf8) {
  size_t units = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte
    units += c >= 0xF0 ? 2 : 1;
  }
  return units;
}
}  // namespace

bool IsSafePathElement(std::string_view name) {
  if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
  for (unsigned char c : name)
    if (IsForbiddenCharacter(c)) return false;
  return !IsDeviceName(name) && Utf16Length(name) <= 255;
}

bool IsDrivePath(std::string_view path) {
  if (path.size() < 3) return false;
  char drive = path[0];
  bool letter = (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
  return letter && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}
