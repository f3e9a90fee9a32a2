#include "skin/utility_buttons.h"

#include "menu/bottom_buttons.h"
#include "menu/control_panel.h"
#include "store/files.h"
#include "store/launch.h"
#include "store/registry.h"
#include "store/text_util.h"

namespace {
constexpr const char* kAcceleratorKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\FastGo";

std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

// An icon location may carry quotes and an icon index ("C:\x\y.exe",0).
std::string WithoutIconIndex(std::string location) {
  size_t comma = location.find_last_of(',');
  if (comma != std::string::npos && location.find_first_not_of("0123456789- ", comma + 1) == std::string::npos)
    location.erase(comma);
  location = Trim(location);
  if (location.size() >= 2 && location.front() == '"' && location.back() == '"')
    location = location.substr(1, location.size() - 2);
  return location;
}

void OpenAccelerator() {
  if (std::string program = AcceleratorProgram(); !program.empty()) {
    ShellOpen(program, "", FolderOf(program));
    return;
  }
  if (std::string site = AcceleratorSite(); !site.empty()) ShellOpen(site);
}
}  // namespace

std::string AcceleratorProgram() {
  std::string location = Trim(RegReadString(HKEY_LOCAL_MACHINE, kAcceleratorKey, "DisplayIcon"));
  for (const std::string& candidate : {location, WithoutIconIndex(location)})
    if (!candidate.empty() && FileExists(candidate)) return candidate;
  return {};
}

std::string AcceleratorSite() { return Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, "FastGoUrl")); }

void RunUtilityButton(int index) {
  switch (index) {
    case 0:
      if (std::string volume = VolumeControlPath(); !volume.empty()) ShellOpen(volume);
      return;
    case 1:
      return OpenControlPanelPage(kKeyboardPage);
    case 2:
      return OpenControlPanelPage(kMousePage);
    case 3:
      return OpenAccelerator();
    default:
      return;
  }
}
