#include "patch/patch_server.h"

#include <windows.h>

#include "catalog/clock.h"
#include "catalog/download.h"
#include "patch/schedule_rules.h"
#include "state/app_state.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
constexpr const char* kPath = "/middleware/mid_gamepatch.php";
constexpr const char* kContentType = "application/x-www-form-urlencoded;Charset=utf-8;";
constexpr int kKoreanCodePage = 949;

// Minutes since the time stamp in the registry value; nothing when it is empty or unreadable.
std::optional<long long> MinutesSince(const char* value) {
  std::string stamp = Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, value));
  if (stamp.empty()) return std::nullopt;
  auto when = ParseDateTime(stamp);
  if (!when) return std::nullopt;
  return MinutesBetween(*when, LocalNow());
}

void Stamp(const char* value) { RegWriteString(HKEY_CURRENT_USER, kTesselKey, value, FormatDateTime(LocalNow())); }
}  // namespace

std::optional<std::string> AskPatchServer(const std::string& body) {
  std::string host = HostSetting("PatchHost");
  if (host.empty()) return std::nullopt;
  HttpPost post{host + kPath, kContentType, body, kKoreanCodePage, kPatchServerTimeouts};
  auto answer = PostForm(post);
  if (!answer) return std::nullopt;
  return AnsiToUtf8(*answer);
}

void QueryWeeklySchedule(bool force) {
  auto& schedule = TheApp().Patch.schedule;
  auto minutes = MinutesSince("GPWeek");
  if (minutes && schedule[0].date == "1" && !force && *minutes < 60) return;
  Stamp("GPWeek");
  std::string answer = AskPatchServer("mode=getpatchw&pkg=").value_or("");
  ParseWeeklySchedule(answer, schedule);
}

void QueryInspectionList() {
  auto minutes = MinutesSince("GPCheck");
  if (minutes && *minutes < 2) return;
  Stamp("GPCheck");
  TheApp().Patch.inspection = ParseInspectionList(AskPatchServer("mode=getinspection").value_or(""));
}

bool IsPatchableNow(const std::string& code, int checkOn) {
  return IsPatchable(code, checkOn, TheApp().Patch.inspection);
}
