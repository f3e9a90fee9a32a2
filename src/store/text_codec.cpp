#include "store/text_codec.h"

#include <windows.h>

namespace {
std::wstring ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  int count = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), count);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  int count = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                  nullptr, nullptr);
  std::string bytes(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), count,
                      nullptr, nullptr);
  return bytes;
}
}  // namespace

std::wstring Widen(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Narrow(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }
std::string AnsiToUtf8(std::string_view ansi) { return Narrow(ToWide(CP_ACP, ansi)); }
std::string Utf8ToAnsi(std::string_view utf8) { return FromWide(CP_ACP, Widen(utf8)); }
std::string OemToUtf8(std::string_view oem) { return Narrow(ToWide(CP_OEMCP, oem)); }

size_t AnsiByteCount(std::wstring_view wide) {
  if (wide.empty()) return 0;
  return static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                                 nullptr, nullptr));
}

std::string Utf8ToAnsiWithin(std::string_view utf8, size_t maxBytes) {
  std::wstring wide = Widen(utf8);
  size_t kept = 0, bytes = 0;
  while (kept < wide.size()) {
    size_t units = IS_HIGH_SURROGATE(wide[kept]) && kept + 1 < wide.size() ? 2 : 1;
    size_t size = AnsiByteCount(std::wstring_view(wide).substr(kept, units));
    if (bytes + size > maxBytes) break;
    bytes += size;
    kept += units;
  }
  return FromWide(CP_ACP, std::wstring_view(wide).substr(0, kept));
}
