#include "admin/frm_about.h"

#include <commctrl.h>

#include <vector>

#include "ui/modal.h"

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

const std::vector<ControlSpec>& Table() {
  static const std::vector<ControlSpec> table = {
      {"lblName", 100, WC_STATICW, SS_CENTER | SS_NOPREFIX, {300, 300, 4200, 360}, "Tessel 2.7.5"},
      {"lblWhat", 101, WC_STATICW, SS_CENTER | SS_NOPREFIX, {300, 720, 4200, 330}, "PC방 게임 메뉴 클라이언트"},
      {"CButton1", 102, nullptr, 0, {1725, 1320, 1350, 420}, "닫기", "Exit"},
  };
  return table;
}

FrmAbout& TheFrmAbout() {
  static FrmAbout about;
  return about;
}
}  // namespace

WindowOptions FrmAbout::Options() const { return CenteredWindowOptions("Tessel 정보", kStyle, 4800, 1950); }

void FrmAbout::OnLoad() {
  CreateControls(Table());
  SendMessageW(controls()["lblName"], WM_SETFONT, reinterpret_cast<WPARAM>(DialogTitleFont()), FALSE);
  OnClick("CButton1", [this] { Unload(); });
  UseDialogKeys("CButton1", "CButton1");
}

void OpenAbout() { ShowModeless(TheFrmAbout()); }
