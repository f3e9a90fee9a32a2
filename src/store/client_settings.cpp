#include "store/client_settings.h"

#include "app/app.h"
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
