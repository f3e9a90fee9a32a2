// Fuzz target for the patch files read from other programs and the network: descriptor, module
// settings, group file, run log, install scan answer, schedule and inspection answers.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "patch/descriptor_file.h"
#include "patch/engine_texts.h"
#include "patch/group_rules.h"
#include "patch/module_setting_rules.h"
#include "patch/run_log_rules.h"
#include "patch/schedule_rules.h"
#include "patch/sync_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto descriptors = ParseDescriptors(text);
  auto settings = ParseModuleSettings(text);
  ModuleSettingIndex index(settings);
  for (size_t i = 1; i < descriptors.size(); ++i) LayModuleSetting(descriptors[i], index.Find(descriptors[i].in_name));
  InstallScanRequestText(descriptors);
  ParseInstallScan(text);
  for (const PatchGroup& group : ParseGroups(text)) RemoveGroupMember(group.Data, group.Gname);
  auto records = ParseRunLog(text);
  RereadRunRecords(text, records, FollowRunLog(text, records));
  std::array<ScheduleDay, 8> schedule{};
  ParseWeeklySchedule(text, schedule);
  ParseInspectionList(text);
  SyncServerItems(text);
  return 0;
}
