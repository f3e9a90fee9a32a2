#include "upkeep/display_settings.h"

#include <windows.h>

#include "store/privileges.h"
#include "ui/message_box.h"

namespace {
DisplaySystem& StandIn() {
  static DisplaySystem system;
  return system;
}

long ChangeMode(const DisplayMode& mode) {
  if (StandIn().change) return StandIn().change(mode);
  DEVMODEW wanted{};
  wanted.dmSize = sizeof(wanted);
  wanted.dmPelsWidth = mode.width;
  wanted.dmPelsHeight = mode.height;
  wanted.dmBitsPerPel = mode.depth;
  wanted.dmDisplayFrequency = mode.frequency;
  wanted.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
  return ChangeDisplaySettingsW(&wanted, CDS_UPDATEREGISTRY);
}

void RestartWindows() {
  EnableShutdownPrivilege();
  if (StandIn().restart) return StandIn().restart();
  ExitWindowsEx(EWX_REBOOT, SHTDN_REASON_MINOR_RECONFIG | SHTDN_REASON_FLAG_PLANNED);
}
}  // namespace

std::optional<std::string> ListedModeText(unsigned width, unsigned height, unsigned depth, unsigned frequency) {
  if (depth != 32 || frequency < 60 || width < 800 || height < 600) return std::nullopt;
  return std::to_string(width) + "×" + std::to_string(height) + "," + std::to_string(depth) + "bit," +
         std::to_string(frequency) + "Hz";
}

void EnumerateDisplayModes() {
  App& app = TheApp();
  app.DisplayModesFilled = true;
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  for (DWORD index = 0; EnumDisplaySettingsW(nullptr, index, &mode); ++index) {
    auto text = ListedModeText(mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, mode.dmDisplayFrequency);
    if (text)
      app.DisplayModes.push_back({mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel,
                                  mode.dmDisplayFrequency, *text});
  }
}

void ApplyDisplaySettings() {
  const App& app = TheApp();
  for (const DisplayMode& mode : app.DisplayModes) {
    if (mode.text != app.Settings.Display) continue;
    long result = ChangeMode(mode);
    if (result == DISP_CHANGE_SUCCESSFUL) return;
    if (result == DISP_CHANGE_RESTART) {
      if (ShowMessageBox("Reboot now?", MB_YESNO) == IDYES) RestartWindows();
      return;
    }
    ShowMessageBox("ERROR -> " + std::to_string(result));
    return;
  }
}

void ApplyDisplayIfWanted() {
  if (TheApp().Settings.DisplayOption != "1") return;
  if (!TheApp().DisplayModesFilled) EnumerateDisplayModes();
  ApplyDisplaySettings();
}

void SetDisplaySystem(DisplaySystem system) { StandIn() = std::move(system); }
