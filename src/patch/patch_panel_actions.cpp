#include "patch/patch_panel_actions.h"

#include <windows.h>

#include "patch/group_rules.h"
#include "patch/patch_data.h"
#include "patch/patch_groups.h"
#include "patch/patch_list_rules.h"
#include "patch/sync_job.h"
#include "state/app_state.h"
#include "store/agent_channel.h"
#include "store/files.h"
#include "store/ini_text.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "ui/message_box.h"

namespace {
std::vector<PatchDescriptor>& Descriptors() { return TheApp().Patch.descriptors; }

bool Valid(size_t index) { return index > 0 && index < Descriptors().size(); }

std::string GroupData(const std::string& section) {
  for (const PatchGroup& group : LoadGroups())
    if (group.section == section) return group.Data;
  return {};
}

// Sets both paths of each game with manual paths and stores them in GP_Mod.ini in one step.
template <class NewPaths>
void ChangeInstallPaths(const std::vector<size_t>& games, NewPaths newPaths) {
  auto text = ReadPatchText(ModuleSettingsFile());
  if (!text) return;
  IniText settings(*text);
  bool changed = false;
  for (size_t index : games) {
    if (!Valid(index) || Descriptors()[index].autoPathFlag == '1') continue;
    PatchDescriptor& game = Descriptors()[index];
    newPaths(game);
    settings.SetValue(game.in_name, "Path1", game.path1);
    settings.SetValue(game.in_name, "Path2", game.path2);
    changed = true;
  }
  if (changed) WriteTextFile(ModuleSettingsFile(), settings.Text(), false, false);
}
}  // namespace

void AskForDescriptorArchive() {
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPD", 0);
  SendToAgent("GPD", kAgentCommand);
}

void AddGamesToGroup(const std::string& section, const std::vector<size_t>& games) {
  std::string data = GroupData(section);
  for (size_t index : games)
    if (Valid(index)) data = AddGroupMember(data, Descriptors()[index].in_name);
  SetGroupData(section, data);
}

void RemoveGamesFromGroup(const std::string& section, const std::vector<size_t>& games) {
  std::string data = GroupData(section);
  for (size_t index : games)
    if (Valid(index)) data = RemoveGroupMember(data, Descriptors()[index].in_name);
  SetGroupData(section, data);
}

void RestoreDescriptorPaths(const std::vector<size_t>& games) {
  ChangeInstallPaths(games, [](PatchDescriptor& game) {
    game.path1 = game.path1Spec;
    game.path2 = game.path2Spec;
    game.ownerPathFlag = '0';
  });
}

void ReplaceInInstallPaths(const std::vector<size_t>& games, const std::string& search,
                           const std::string& replacement) {
  ChangeInstallPaths(games, [&](PatchDescriptor& game) {
    game.path1 = ReplaceInPath(game.path1, search, replacement);
    game.path2 = ReplaceInPath(game.path2, search, replacement);
  });
}

bool StartGameSync(bool connected, int serverIndex, const std::string& server, int option,
                   const std::vector<size_t>& games) {
  if (!connected) {
    ShowWarning("서버와 연결이 되어 있지 않아 작업을 진행 할수 없습니다!!");
    return false;
  }
  if (serverIndex <= 0) {
    ShowWarning("Sync서버가 선택되지 않았습니다!!");
    return false;
  }
  if (WriteSyncJob(server, option, games) == 0) {
    ShowWarning("게임Sync할 게임이 지정되지 않았습니다!!");
    return false;
  }
  SendToAgent("GPSC", kAgentCommand);
  return true;
}
