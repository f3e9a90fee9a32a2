// The class-3 commands of the agent, by their codes.
#include <functional>
#include <map>

#include "agent/agent_link.h"
#include "agent/agent_receivers.h"
#include "agent/menu_actions.h"
#include "catalog/categories.h"
#include "catalog/game_entries.h"
#include "catalog/game_launchers.h"
#include "catalog/game_list.h"
#include "state/app_state.h"
#include "store/ini.h"
#include "store/processes.h"
#include "store/text_util.h"
#include "store/wait.h"
#include "ui/forms.h"
#include "upkeep/client_settings_file.h"
#include "upkeep/display_settings.h"
#include "upkeep/pc_upkeep.h"
#include "upkeep/startup_programs.h"

namespace {
int Layout() { return TheApp().Settings.ltype; }
bool SkinnedLayout() { return Layout() == 1 || Layout() == 2; }

void Reply(const std::string& text) { SendToAgent(text, kAgentCommand); }

// Runs a receiver of the floors above, when one is connected.
std::function<void()> Receiver(std::function<void()> AgentReceivers::*slot) {
  return [slot] {
    if (const auto& receiver = TheAgentReceivers().*slot) receiver();
  };
}

std::function<void()> SettingsCommand(std::string command) {
  return [command] {
    if (const auto& receiver = TheAgentReceivers().settingsCommand) receiver(command);
  };
}

void HideSkinned() {
  WithMenu([](MenuWindow& menu) { menu.HideSkinnedWindow(); });
}
void HidePopups() {
  WithMenu([](MenuWindow& menu) { menu.HidePopups(); });
}

// A key of the [ENV] section of env.mts, NULs removed and trimmed.
std::string EnvValue(const std::string& key) {
  ClsINI env(TheApp().EnvFile, "ENV");
  return Trim(RemoveNuls(env.OpenINI(key)));
}

void ReloadCatalogViews() {
  WithMenu([](MenuWindow& menu) {
    if (Layout() == 0) return menu.cmdMenu_Click(0);
    menu.Load_CateF2();
    menu.Load_CmdBtn();
    menu.Load_Image();
    menu.LoadButton(1);
  });
}

void ReadStartMode() { ApplySettingLine(TheApp().Settings, "Start=" + EnvValue("START")); }

void ReloadAndFix() {
  LoadClientSettings();
  StartupFix();
}

void ApplyDisplayAndInput() {
  if (TheApp().Settings.DisplayOption != "1") return;
  ApplyDisplayIfWanted();
  ApplyInputSettings();
}

void All() {
  ClearIconFolders();
  ReloadAndFix();
  WithMenu([](MenuWindow& menu) { menu.ResetCategorySelection(); });
  LoadGameEntries();
  if (Layout() == 0) {
    WithMenu([](MenuWindow& menu) {
      menu.cmdMenu_Click(0);
      menu.Load_Notice();
    });
  } else if (SkinnedLayout()) {
    HidePopups();
    HideSkinned();
    ReloadCatalogViews();
    WithMenu([](MenuWindow& menu) { menu.ShowNotice(); });
  }
}

void ReloadCategories() {
  HideSkinned();
  HidePopups();
  ClearIconFolders();
  LoadCategories();
  if (Layout() != 1) WithMenu([](MenuWindow& menu) { menu.CateMain(true); });
  WithMenu([](MenuWindow& menu) { menu.ResetCategorySelection(); });
  LoadGameEntries();
  ReloadCatalogViews();
  Reply("A1");
}

void CloseDown() {
  HideSkinned();
  UnloadFormByName("frmPatchLog");
  UnloadFormByName("frmEnv");
  HideMenu();
  if (Layout() != 0) HidePopups();
}

void AnswerPosition(bool withSize) {
  if (withSize && MenuIsMinimised()) return Reply("HF");
  StoreMenuPosition();
  if (withSize && Layout() == 0) WithMenu([](MenuWindow& menu) { menu.WidthHeightSet(); });
  Reply(withSize ? "B2" : "XY");
}

void WidthHeight() {
  HideSkinned();
  if (Layout() == 1) return;
  if (MenuIsMinimised()) return Reply("HF");
  WithMenu([](MenuWindow& menu) { menu.WidthHeightSet(); });
}

void Notice() {
  HideSkinned();
  WithMenu([](MenuWindow& menu) { Layout() == 0 ? menu.Load_Notice() : menu.ShowNotice(); });
}

void FloatingLogin() {
  if (IsProcessRunning("ZuzoRadozevo.exe") || !SkinnedLayout()) return;
  TheApp().LoginPurpose = "FG";
  WithMenu([](MenuWindow& menu) { menu.PressFloatingButton(1); });
}

const std::map<std::string, std::function<void()>>& Commands() {
  static const std::map<std::string, std::function<void()>> commands = {
      {"DS", [] {}},
      {"CCE", [] {}},
      {"GPL", [] {}},
      {"IPC", Receiver(&AgentReceivers::changeIp)},
      {"NO", Receiver(&AgentReceivers::readRecoveryState)},
      {"CY", [] { TheApp().VConnect = true; }},
      {"CN", [] { TheApp().VConnect = false; }},
      {"FG", FloatingLogin},
      {"GE", HideSkinned},
      {"GL", [] { LoadClientSettings(); LoadGameLaunchers(); }},
      {"SYNC", [] {
         HideSkinned();
         WithMenu([](MenuWindow& menu) { menu.ResetCategorySelection(); });
         LoadGameEntries();
         if (Layout() == 0) WithMenu([](MenuWindow& menu) { menu.cmdMenu_Click(0); });
       }},
      {"IPS", SettingsCommand("IPS")},
      {"GF", SettingsCommand("GF")},
      {"ALL", All},
      {"A1", ReloadCategories},
      {"CD", CloseDown},
      {"GPS", [] {
         UnloadFormByName("frmPatchLog");
         HidePopups();
         // The patch run window lands with patching; until then there is nothing to show again.
       }},
      {"RT", RestoreMenu},
      {"FR", ReadStartMode},
      {"AS", [] {
         ReadStartMode();
         BuildStartupList("HKLM");
         BuildStartupList("HKCU");
         StartupFix();
       }},
      {"J2", Receiver(&AgentReceivers::switchLayout)},
      {"MT", [] {
         TheApp().Settings.MLogo = EnvValue("MLogo");
         if (Layout() != 1) WithMenu([](MenuWindow& menu) { menu.Logo_Change(); });
       }},
      {"MB", [] {
         ApplySettingLine(TheApp().Settings, "BGIMG=" + EnvValue("BGIMG"));
         ApplySettingLine(TheApp().Settings, "FontColor=" + EnvValue("fontcolor"));
         if (Layout() != 1) WithMenu([](MenuWindow& menu) { menu.Change_BGIMG(); });
       }},
      {"XY", [] { AnswerPosition(false); }},
      {"B2", [] { AnswerPosition(true); }},
      {"WH", WidthHeight},
      {"MV", [] {
         HideSkinned();
         PlaceMenu(false);
         Reply("MV");
       }},
      {"A2", [] {
         HideSkinned();
         PlaceMenu(true);
         Reply("HL");
         WaitMilliseconds(500);
       }},
      {"HL", [] { PlaceMenu(true); }},
      {"NB", Notice},
      {"A3", [] { ReloadAndFix(); Reply("A3"); ApplyShutdownTimeouts(); }},
      {"A4", [] { ReloadAndFix(); Reply("A4"); ApplyShutdownTimeouts(); }},
      {"A5", [] {
         ReloadAndFix();
         ApplyDisplayAndInput();
         Reply("A5");
         ApplyShutdownTimeouts();
       }},
      {"AE", [] {
         ReloadAndFix();
         ApplyShutdownTimeouts();
         ApplyDisplayAndInput();
       }},
  };
  return commands;
}
}  // namespace

void RunAgentCommand(const std::string& command) {
  auto found = Commands().find(command);
  if (found != Commands().end()) found->second();
}
