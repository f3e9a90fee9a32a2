#include "store/system_info.h"

#include <windows.h>
#include <shlobj.h>

#include <map>

#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
std::map<int, std::string>& SpecialFolderStandIns() {
  static std::map<int, std::string> standIns;
  return standIns;
}
}  // namespace

std::string GetSpecialFolder(int id) {
  auto& standIns = SpecialFolderStandIns();
  if (auto found = standIns.find(id); found != standIns.end()) return found->second;
  wchar_t buffer[512] = {};
  if (!SHGetSpecialFolderPathW(nullptr, buffer, id, FALSE)) return {};
  return Narrow(buffer);
}

void OverrideSpecialFolder(int id, const std::string& path) { SpecialFolderStandIns()[id] = path; }

void ClearSpecialFolderStandIns() { SpecialFolderStandIns().clear(); }

std::string GetWindowsFolder() {
  wchar_t buffer[255] = {};
  UINT count = GetWindowsDirectoryW(buffer, 255);
  return count < 255 ? Narrow(std::wstring_view(buffer, count)) : std::string();
}

std::string EnvironmentValue(const std::string& name) {
  std::wstring wideName = Widen(name);
  std::wstring value(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length < value.size()) return Narrow(std::wstring_view(value.data(), length));
    value.resize(length);  // the size asked for, terminator included
  }
}

std::string ExpandEnvironmentValues(const std::string& text) {
  std::wstring source = Widen(text);
  std::wstring expanded(source.size() + MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ExpandEnvironmentStringsW(source.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (length == 0) return text;
    if (length <= expanded.size()) return Narrow(std::wstring_view(expanded.data(), length - 1));
    expanded.resize(length);  // the size asked for, terminator included
  }
}

std::string WindowsVersionName(unsigned major, unsigned minor) {
  struct Known {
    unsigned major, minor;
    const char* name;
  };
  static constexpr Known kNames[] = {{4, 0, "NT4"}, {4, 10, "98"},   {4, 90, "ME"},
                                     {5, 0, "2000"}, {5, 1, "XP"},   {5, 2, "2003"},
                                     {6, 0, "VISTA"}, {6, 1, "7"},   {6, 2, "8"}};
  for (const auto& known : kNames)
    if (known.major == major && known.minor == minor) return known.name;
  return {};
}

std::string GetWindowsVersionName() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExW(&info)) return {};
  // Our manifest declares Windows 8.1 to 11, so they report their own numbers; the names stop at
  // 8, which is what those systems report to a program that declares none.
  if (info.dwMajorVersion > 6 || (info.dwMajorVersion == 6 && info.dwMinorVersion > 2)) return "8";
  return WindowsVersionName(info.dwMajorVersion, info.dwMinorVersion);
}

std::string ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return Narrow(path.substr(0, path.find_last_of(L'\\')));
}
