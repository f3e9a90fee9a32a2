#include "admin/cd_key_panel.h"

#include <commctrl.h>

#include <algorithm>

#include "admin/recovery_control.h"
#include "agent/menu_actions.h"
#include "state/app_state.h"
#include "store/agent_channel.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/message_box.h"

namespace {
// The games whose keys the agent changes, with the codes it knows them by in a class-6 request.
struct CdGame {
  const char* caption;
  const char* tag;
};
constexpr CdGame kCdGames[] = {
    {"스타크래프트", "SC"}, {"워크래프트3", "SW"}, {"프로즌쓰론", "SF"}, {"디아블로2", "SD"}, {"디아블로2 확장팩", "SE"}};
constexpr const char* kAutoModes[] = {"ACS", "ACW", "ACD"};
constexpr const char* kAutoCaptions[] = {"스타크래프트 자동", "워크래프트3 자동", "디아블로2 자동"};
constexpr const char* kRecoveryCaptions[] = {"시스템 복구",  "현재 상태 저장", "복구 방식 설정", "보호 중지",
                                             "보호 시작", "복구 모듈 설치", "복구 모듈 제거"};
constexpr const char* kChoose = "선택";
constexpr int kMostPcs = 999;

const std::vector<ControlSpec>& Table() {
  static const std::vector<ControlSpec> table = [] {
    std::vector<ControlSpec> rows = {
        {"fraCd", 700, WC_BUTTONW, BS_GROUPBOX, {0, 0, 9300, 3075}, "시디키", {}, Anchor::Stretch},
        {"lblPc", 701, WC_STATICW, SS_LEFT | SS_CENTERIMAGE, {225, 330, 1050, 330}, "PC 선택"},
        {"cboPc", 702, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, {1275, 315, 1200, 3000}},
    };
    for (int i = 0; i < 5; ++i)
      rows.push_back({Indexed("chkCD", i), 710 + i, WC_BUTTONW, BS_AUTOCHECKBOX, {225 + i * 1800, 810, 1725, 330},
                      kCdGames[i].caption});
    rows.push_back({"cmdAllCD", 720, WC_BUTTONW, BS_PUSHBUTTON, {225, 1275, 1350, 420}, "전체 선택"});
    rows.push_back({"cmdAllNCD", 721, WC_BUTTONW, BS_PUSHBUTTON, {1650, 1275, 1350, 420}, "전체 해제"});
    rows.push_back({"cmdCDOK", 722, WC_BUTTONW, BS_PUSHBUTTON, {7200, 1275, 1875, 420}, "시디키 변경", {}, Anchor::Right});
    rows.push_back({"lblAuto", 723, WC_STATICW, SS_LEFT | SS_CENTERIMAGE, {225, 1935, 3000, 330}, "자동 시디키 모드"});
    for (int i = 0; i < 3; ++i)
      rows.push_back({Indexed("CmdCDAuto", i), 730 + i, WC_BUTTONW, BS_PUSHBUTTON, {225 + i * 2325, 2340, 2175, 450},
                      kAutoCaptions[i]});
    rows.push_back({"fraRecovery", 740, WC_BUTTONW, BS_GROUPBOX, {0, 3300, 9300, 1650}, "복구 모듈", {}, Anchor::Stretch});
    TwipsGrid grid{225, 3675, 2100, 450, 150};
    for (int i = 0; i < kRecoveryButtons; ++i)
      rows.push_back(
          {Indexed("cmdR", i), 750 + i, WC_BUTTONW, BS_PUSHBUTTON, grid.Cell(i % 4, i / 4), kRecoveryCaptions[i]});
    return rows;
  }();
  return table;
}
}  // namespace

void CdKeyPanel::OnLoad() {
  CreateControls(Table(), extraWidth());
  OnClick("cmdAllCD", [this] { TickAll(true); });
  OnClick("cmdAllNCD", [this] { TickAll(false); });
  OnClick("cmdCDOK", [this] { cmdCDOK_Click(); });
  for (int i = 0; i < 3; ++i) OnClick(Indexed("CmdCDAuto", i), [this, i] { CmdCDAuto_Click(i); });
  for (int i = 0; i < kRecoveryButtons; ++i)
    OnClick(Indexed("cmdR", i), [this, i] { RecoveryCommand(i, GetAncestor(hwnd(), GA_ROOT)); });
  SetRecoveryButtons();
}

void CdKeyPanel::Prepare() {
  FillPcChoice();
  TickAll(false);
  SetRecoveryButtons();
}

void CdKeyPanel::FillPcChoice() {
  HWND choice = controls()["cboPc"];
  SendMessageW(choice, CB_RESETCONTENT, 0, 0);
  controls().Show("cboPc", false);
  controls().Show("lblPc", false);
  SendMessageW(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(kChoose).c_str()));
  long long stored = ParseLeadingNumber(RegReadString(HKEY_CURRENT_USER, kTesselKey, "PCCnt"));
  long long count = std::min<long long>(stored, kMostPcs);
  if (count <= 0) return;
  for (long long pc = 1; pc <= count; ++pc) {
    std::wstring number = (pc < 10 ? L"0" : L"") + std::to_wstring(pc);
    SendMessageW(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(number.c_str()));
  }
  SendMessageW(choice, CB_SETCURSEL, 0, 0);
  controls().Show("cboPc", true);
  controls().Show("lblPc", true);
}

void CdKeyPanel::SetRecoveryButtons() {
  std::array<bool, kRecoveryButtons> enabled = RecoveryButtonStates();
  for (int i = 0; i < kRecoveryButtons; ++i) controls().Enable(Indexed("cmdR", i), enabled[static_cast<size_t>(i)]);
}

void CdKeyPanel::TickAll(bool ticked) {
  for (int i = 0; i < 5; ++i) controls().SetChecked(Indexed("chkCD", i), ticked);
}

bool CdKeyPanel::ConnectedAfterHidingMenus() const {
  WithMenu([](MenuWindow& menu) {
    menu.HideSkinnedWindow();
    menu.HidePopups();
  });
  if (TheApp().VConnect) return true;
  ShowWarning("서버와 연결이 되지 않았습니다!!\r\n서버와 연결이 되어야 사용이 가능합니다!!");
  return false;
}

void CdKeyPanel::CmdCDAuto_Click(int index) {
  if (!ConnectedAfterHidingMenus()) return;
  SendToAgent(kAutoModes[index], kAgentCommand);
  context().closeWindow();
}

void CdKeyPanel::cmdCDOK_Click() {
  if (!ConnectedAfterHidingMenus()) return;
  std::string request;
  for (int i = 0; i < 5; ++i)
    if (controls().Checked(Indexed("chkCD", i))) request += kCdGames[i].tag;
  if (request.empty()) return ShowWarning("시디키 변경 할 항목이 선택 되지 않았습니다!!");
  std::string pc = controls().Text("cboPc");
  if (!pc.empty() && pc != kChoose) request += "|" + pc;
  SendToAgent(request, kAgentCdKeys);
  context().closeWindow();
}
