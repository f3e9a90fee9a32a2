#include "menu/bottom_buttons.h"

#include "menu/control_panel.h"
#include "menu/menu_skin.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/launch.h"
#include "store/system_info.h"
#include "store/text_util.h"

namespace {
constexpr int kSystemFolderId = 37;  // CSIDL_SYSTEM

void OpenBrowser() {
  std::string shortcut = SkinRootFile("IER.URL");
  if (!FileExists(shortcut)) return;
  std::string address = Trim(RemoveNuls(ClsINI(shortcut, "InternetShortcut").OpenINI("URL")));
  ShellOpen("IEXPLORE.EXE", address);
}
}  // namespace

std::string VolumeControlPath() {
  std::string version = GetWindowsVersionName();
  bool old = version == "98" || version == "ME" || version == "2000" || version == "XP" || version == "2003";
  bool recent = version == "VISTA" || version == "7" || version == "8";
  if (!old && !recent) return {};
  std::string folder = version == "98" || version == "ME" ? JoinPath(GetWindowsFolder(), "system")
                                                          : GetSpecialFolder(kSystemFolderId);
  std::string path = JoinPath(folder, old ? "sndvol32.exe" : "sndvol.exe");
  return FileExists(path) ? path : std::string();
}

void RunBottomButton(int index) {
  switch (index) {
    case 0:
      return OpenBrowser();
    case 1:
      if (std::string volume = VolumeControlPath(); !volume.empty()) ShellOpen(volume);
      return;
    case 2:
      return OpenControlPanelPage(kMousePage);
    case 3:
      return OpenControlPanelPage(kKeyboardPage);
    default:
      return;
  }
}
