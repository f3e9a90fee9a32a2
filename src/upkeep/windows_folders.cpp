#include "upkeep/windows_folders.h"

#include "store/system_info.h"

namespace {
std::string ShellFolderOr(int id, const char* nineXSuffix, const char* ntSuffix) {
  std::string folder = GetSpecialFolder(id);
  if (!folder.empty()) return folder;
  std::string version = GetWindowsVersionName();
  if (version == "98" || version == "ME") return GetWindowsFolder() + nineXSuffix;
  return EnvironmentValue("SystemRoot") + ntSuffix;
}
}  // namespace

std::string ToolWindowsFolder() { return ShellFolderOr(36, "", ""); }
std::string ToolSystemFolder() { return ShellFolderOr(37, "\\system", "\\system32"); }
