#include "admin/frm_pass.h"

#include <commctrl.h>

#include <vector>

#include "admin/frm_env.h"
#include "agent/menu_actions.h"
#include "state/app_state.h"
#include "store/cipher.h"
#include "store/registry.h"
#include "store/text_util.h"
#include "ui/checks.h"
#include "ui/message_box.h"
#include "ui/modal.h"

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

const std::vector<ControlSpec>& Table() {
  static const std::vector<ControlSpec> table = {
      {"Label1", 100, WC_STATICW, SS_LEFT | SS_NOPREFIX, {300, 225, 5700, 360}},
      {"Label2", 101, WC_STATICW, SS_LEFT | SS_NOPREFIX, {300, 600, 5700, 330}},
      {"Text1", 102, WC_EDITW, ES_PASSWORD | ES_AUTOHSCROLL, {300, 1005, 5700, 375}},
      {"cmdGAdd", 103, nullptr, 0, {3150, 1620, 1350, 420}, "확인", "CMDOK00"},
      {"CButton1", 104, nullptr, 0, {4650, 1620, 1350, 420}, "닫기", "Exit"},
  };
  return table;
}

void NotifyMenuOfRefusal() {
  WithMenu([](MenuWindow& menu) { menu.LoginNotice(1); });
}
}  // namespace

WindowOptions FrmPass::Options() const {
  WindowOptions options = CenteredWindowOptions("Tessel", kStyle, 6300, 2280);
  options.exStyle = WS_EX_TOPMOST;  // over the minimised menu and the customer's windows
  return options;
}

bool FrmPass::SettingsFileMode() const { return TheApp().LoginPurpose == "CA"; }

void FrmPass::OnLoad() {
  CreateControls(Table());
  SendMessageW(controls()["Label1"], WM_SETFONT, reinterpret_cast<WPARAM>(DialogTitleFont()), FALSE);
  OnClick("cmdGAdd", [this] { cmdGAdd_Click(); });
  OnClick("CButton1", [this] { CButton1_Click(); });
  UseDialogKeys("cmdGAdd", "CButton1");
  if (SettingsFileMode()) {
    controls().SetText("Label1", "클라이언트 설정파일 비밀번호");
    controls().SetText("Label2", "클라이언트 설정파일에 저장된 비밀번호를 입력하세요!!");
  } else {
    controls().SetText("Label1", "관리자 로그인");
    std::string stored = Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, "AutoPatch"));
    if (!stored.empty()) {
      TheApp().AdminPassword = DecipherText(stored);
      TheApp().LoginResult.clear();
    }
  }
  SetFocus(controls()["Text1"]);
}

void FrmPass::cmdGAdd_Click() {
  std::string input = controls().Text("Text1");
  if (!RunChecks(controls(), {{"Text1", [&] { return !Trim(input).empty(); }, "비밀번호를 입력하세요!!", "입력에러"}}))
    return;
  if (SettingsFileMode()) {
    TheApp().LoginResult = input;
    return Unload();
  }
  if (Trim(input) != Trim(TheApp().AdminPassword)) return Refuse();
  if (TheApp().LoginPurpose == "SE")
    OpenSettingsWindow();
  else
    TheApp().LoginResult = "OK";
  Unload();
}

void FrmPass::Refuse() {
  ShowMessageBox("비밀번호가 일치하지 않습니다.\r\n다시 입력하세요", MB_OK | MB_ICONSTOP, "인증실패");
  controls().SetText("Text1", "");
  SetFocus(controls()["Text1"]);
  NotifyMenuOfRefusal();
}

void FrmPass::CButton1_Click() {
  if (SettingsFileMode())
    TheApp().LoginResult.clear();
  else
    NotifyMenuOfRefusal();
  Unload();
}

void FrmPass::OnClose() {
  if (!SettingsFileMode() && TheApp().LoginResult.empty()) NotifyMenuOfRefusal();
  Unload();
}

FrmPass& TheFrmPass() {
  static FrmPass login;
  return login;
}

void OpenLogin() { ShowModeless(TheFrmPass()); }

std::string RunLogin(HWND owner) {
  TheApp().LoginResult.clear();
  ShowModal(TheFrmPass(), owner);
  return TheApp().LoginResult;
}
