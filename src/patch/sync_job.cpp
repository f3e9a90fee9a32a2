#include "patch/sync_job.h"

#include "patch/sync_rules.h"
#include "state/app_state.h"
#include "store/files.h"

std::string SyncJobFile() { return JoinPath(TheApp().ProgramFolder, "skin\\csync.log"); }

size_t WriteSyncJob(const std::string& server, int option, const std::vector<size_t>& games) {
  const auto& descriptors = TheApp().Patch.descriptors;
  std::string text = CsyncHeader(server, option) + "\r\n";
  size_t written = 0;
  for (size_t index : games) {
    if (index == 0 || index >= descriptors.size()) continue;
    text += CsyncLine(descriptors[index]) + "\r\n";
    ++written;
  }
  WriteTextFile(SyncJobFile(), text, false, false);
  return written;
}
