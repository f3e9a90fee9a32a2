#include "zip/entry_path.h"

#include <array>

#include "store/text_util.h"

namespace {
bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsDeviceName(std::string_view part) {
  // Windows ignores an extension and blanks before it when it looks for devices.
  std::string_view base = part.substr(0, part.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> kFixed = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (std::string_view device : kFixed)
    if (EqualsIgnoreCaseAscii(base, device)) return true;
  if (base.size() < 4) return false;
  const std::string_view stem = base.substr(0, 3);
  if (!EqualsIgnoreCaseAscii(stem, "COM") && !EqualsIgnoreCaseAscii(stem, "LPT")) return false;
  const std::string_view digit = base.substr(3);
  // A digit, or a superscript one, two or three (UTF-8), which Windows also takes as a port.
  return (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') || digit == "\xC2\xB9" ||
         digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

bool IsSafePart(std::string_view part) {
  if (part.empty() || part == "." || part == ".." || part.back() == '.' || part.back() == ' ') return false;
  for (char c : part)
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
      return false;
  return !IsDeviceName(part);
}
}  // namespace

std::optional<std::string> SafeEntryPath(std::string_view utf8Name) {
  if (!utf8Name.empty() && IsSeparator(utf8Name.back())) utf8Name.remove_suffix(1);
  if (utf8Name.empty() || IsSeparator(utf8Name.front())) return std::nullopt;
  std::string path;
  for (size_t start = 0;;) {
    size_t end = start;
    while (end < utf8Name.size() && !IsSeparator(utf8Name[end])) ++end;
    const std::string_view part = utf8Name.substr(start, end - start);
    if (!IsSafePart(part)) return std::nullopt;
    path += part;
    if (end == utf8Name.size()) return path;
    path += '\\';
    start = end + 1;
  }
}
