#include "upkeep/windows_folders.h"

#include <windows.h>

#include "store/system_info.h"
#include "store/text_codec.h"

namespace {
std::string EnvironmentValue(const wchar_t* name) {
  wchar_t buffer[MAX_PATH] = {};
  DWORD length = GetEnvironmentVariableW(name, buffer, MAX_PATH);
  return length && length < MAX_PATH ? Narrow(std::wstring_view(buffer, length)) : std::string();
}

std::string ShellFolderOr(int id, const char* nineXSuffix, const char* ntSuffix) {
  std::string folder = GetSpecialFolder(id);
  if (!folder.empty()) return folder;
  std::string version = GetWindowsVersionName();
  if (version == "98" || version == "ME") return GetWindowsFolder() + nineXSuffix;
  return EnvironmentValue(L"SystemRoot") + ntSuffix;
}
}  // namespace

std::string ToolWindowsFolder() { return ShellFolderOr(36, "", ""); }
std::string ToolSystemFolder() { return ShellFolderOr(37, "\\system", "\\system32"); }
