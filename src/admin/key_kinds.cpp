#include "admin/key_kinds.h"

#include "state/app_state.h"
#include "store/files.h"
#include "store/launch.h"
#include "store/registry.h"
#include "store/text_util.h"

namespace {
constexpr const char* kStarCraft = "SOFTWARE\\Blizzard Entertainment\\Starcraft";
constexpr const char* kWarcraft3 = "Software\\Blizzard Entertainment\\Warcraft III";
constexpr const char* kDiablo2 = "SOFTWARE\\Blizzard Entertainment\\Diablo II";
}  // namespace

const std::array<KeyKind, 5>& KeyKinds() {
  static const std::array<KeyKind, 5> kinds = {{
      {"SC", "스타크래프트 시디키 변경중..", "스타크래프트 레지스트리 경로 설정안됨!", "스타크래프트 시디키 없음!",
       "스타크래프트 시디키 변경 실패!", HKEY_LOCAL_MACHINE, kStarCraft, "InstallPath"},
      {"SW", "워크래프트3 시디키 변경중..", "워크래프트3 레지스트리 경로 설정안됨!", "워크래프트3 시디키 없음!",
       "워크래프트3 시디키 변경 실패!", HKEY_CURRENT_USER, kWarcraft3, "InstallPath"},
      {"SF", "프로즌쓰론 시디키 변경중..", "프로즌쓰론 레지스트리 경로 설정안됨!", "프로즌쓰론 시디키 없음!",
       "프로즌쓰론 시디키 변경 실패!", HKEY_CURRENT_USER, kWarcraft3, "InstallPathX"},
      {"SD", "디아블로2 시디키 변경중..", "디아블로2 레지스트리 경로 설정안됨!", "디아블로2 시디키 없음!",
       "디아블로2 시디키 변경 실패!", HKEY_LOCAL_MACHINE, kDiablo2, "InstallPath"},
      {"SE", "디아블로2 확장팩 시디키 변경중..", "디아블로2 레지스트리 경로 설정안됨!", "디아블로2 확장팩 시디키 없음!",
       "디아블로2 확장팩 시디키 변경 실패!", HKEY_LOCAL_MACHINE, kDiablo2, "InstallPath"},
  }};
  return kinds;
}

std::string InstallFolder(const KeyKind& kind) {
  std::string folder = Trim(RemoveNuls(RegReadString(kind.hive, kind.subkey, kind.value)));
  return FolderExists(folder) ? folder : std::string();
}

bool ChangeKey(const KeyKind& kind, const std::string& folder, const std::string& key, int pc) {
  // The arguments are quoted; a quotation mark inside one would split it.
  if (folder.find('"') != std::string::npos || key.find('"') != std::string::npos) return false;
  // A backslash before the closing quotation mark would escape it.
  std::string argument = EndsWith(folder, "\\") ? folder + "." : folder;
  std::string changer = JoinPath(TheApp().ProgramFolder, std::string("key\\") + kind.code + ".exe");
  LaunchRequest request;
  request.road = LaunchRequest::Road::Direct;
  request.file = "\"" + changer + "\" \"" + argument + "\" \"" + key + "\" " + std::to_string(pc);
  request.show = SW_HIDE;
  auto exitCode = RunToCompletion(request);
  return exitCode && *exitCode == 0;
}
