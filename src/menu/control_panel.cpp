#include "menu/control_panel.h"

#include <string>

#include "store/launch.h"

void OpenControlPanelPage(int page) {
  ShellOpen("rundll32.exe", "shell32.dll,Control_RunDLL main.cpl @" + std::to_string(page));
}
