#include "admin/recovery_control.h"

#include "admin/frm_rsetrec.h"
#include "admin/recovery_libraries.h"
#include "state/app_state.h"
#include "store/agent_channel.h"
#include "store/registry.h"
#include "store/text_util.h"
#include "ui/message_box.h"

namespace {
using enum RecoveryLibrary;

bool VdRcvInstalled() { return IsRecoveryInstalled(VdRcv); }
bool OtherModuleInstalled() {
  return IsRecoveryInstalled(VdRcvrp) || IsRecoveryInstalled(VdRcvrp2) || IsRecoveryInstalled(Lsrecn);
}
bool AnyModuleInstalled() { return VdRcvInstalled() || OtherModuleInstalled(); }

bool Asked(const std::string& question) {
  return ShowMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Send(const std::string& text, AgentClass kind) { SendToAgent(text, kind); }

bool Always() { return true; }

// What each button asks, for which modules it is sent, and what it sends (button 2 shows the
// mode dialog instead).
struct RecoveryButton {
  const char* question;
  bool okCancel;  // OK/Cancel instead of Yes/No
  bool (*applies)();
  const char* command;
};
constexpr int kModeButton = 2;
constexpr RecoveryButton kButtons[kRecoveryButtons] = {
    {"시스템을 복구 하겠습니까?", false, AnyModuleInstalled, "K3"},
    {"시스템을 현재 상태로 저장하겠습니까?", false, AnyModuleInstalled, "K2"},
    {nullptr, false, nullptr, nullptr},
    {"시스템보호를 중지 하겠습니까?", false, VdRcvInstalled, "K5"},
    {"시스템보호를 시작 하겠습니까?", false, VdRcvInstalled, "K6"},
    {"복구 모듈을 설치 하겠습니까?\r\n\r\n"
     "※바르넬 복구 모듈을 제거한 후에 설치 할 경우 반드시 디스크 검사를 하시길 바랍니다.",
     true, Always, "K0"},
    {"복구 제거 하겠습니까?", false, AnyModuleInstalled, "K1"},
};

void ChooseRecoveryMode(HWND owner) {
  TheApp().RecoveryModeCode.clear();
  ShowFrmRSetRec(owner);
  const std::string code = TheApp().RecoveryModeCode;
  if (code.empty()) return;
  if (VdRcvInstalled())
    Send(code == "100" ? "1" : code, kAgentRecovery);
  else if (OtherModuleInstalled())
    Send(code, kAgentRecovery);
}
}  // namespace

std::array<bool, kRecoveryButtons> RecoveryButtonStates() {
  if (VdRcvInstalled()) {
    bool suspended = ReadRecoveryState(VdRcv) == "1";
    return {true, true, true, !suspended, suspended, true, true};
  }
  if (OtherModuleInstalled()) return {true, true, true, false, false, false, true};
  return {false, false, false, false, false, true, false};
}

void RecoveryCommand(int index, HWND owner) {
  if (Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, "VConnect")) != "1")
    return ShowWarning("서버와 연결이 되지 않았습니다!!\r\n서버와 연결이 되어야 사용이 가능합니다!!");
  if (index == kModeButton) return ChooseRecoveryMode(owner);
  if (index < 0 || index >= kRecoveryButtons) return;
  const RecoveryButton& button = kButtons[index];
  bool confirmed = button.okCancel ? Confirm(button.question) : Asked(button.question);
  if (confirmed && button.applies()) Send(button.command, kAgentCommand);
}

RecoveryMode RecoveryModeOfState(const std::string& state) {
  std::vector<std::string> fields = Split(state, '|');
  std::string mode = Trim(fields[0]), code = fields.size() > 1 ? Trim(fields[1]) : std::string();
  long long value = code.empty() ? (mode == "1" ? 100 : 0) : ParseLeadingNumber(code);
  if (value == 100) return {1, 2};
  if (value == 101) return {2, 2};
  if (value > 101 && value <= 130) return {3, static_cast<int>(value - 100)};
  return {0, 2};
}

std::string RecoveryModeCode(const RecoveryMode& mode) {
  switch (mode.option) {
    case 1: return "100";
    case 2: return "101";
    case 3: return std::to_string(100 + mode.days);
    default: return "0";
  }
}
