#include "upkeep/client_settings_file.h"

#include "state/app_state.h"
#include "store/files.h"
#include "upkeep/pc_upkeep.h"

void LoadClientSettings() {
  App& app = TheApp();
  auto lines = ReadTextLines(app.EnvFile);
  if (!lines) return;
  for (const std::string& line : *lines) {
    if (ApplySettingLine(app.Settings, line) == "deskfix" && app.Settings.DeskFix == "1") WriteHangTimeouts();
  }
}
