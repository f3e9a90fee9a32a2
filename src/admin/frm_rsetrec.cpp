#include "admin/frm_rsetrec.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "admin/recovery_control.h"
#include "admin/recovery_libraries.h"
#include "state/app_state.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/modal.h"

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

const std::vector<ControlSpec>& Table() {
  static const std::vector<ControlSpec> table = {
      {"fraMode", 100, WC_BUTTONW, BS_GROUPBOX, {225, 150, 4350, 2175}, "복구 방식"},
      {Indexed("Option1", 0), 101, WC_BUTTONW, BS_AUTORADIOBUTTON | WS_GROUP, {450, 480, 3900, 330}, "수동 복구"},
      {Indexed("Option1", 1), 102, WC_BUTTONW, BS_AUTORADIOBUTTON, {450, 900, 3900, 330}, "매부팅 복구"},
      {Indexed("Option1", 2), 103, WC_BUTTONW, BS_AUTORADIOBUTTON, {450, 1320, 3900, 330}, "매일 복구"},
      {Indexed("Option1", 3), 104, WC_BUTTONW, BS_AUTORADIOBUTTON, {450, 1740, 1500, 330}, "일단위 복구"},
      {"cboDay", 105, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_GROUP, {1995, 1725, 900, 2400}},
      {"lblDay", 106, WC_STATICW, SS_LEFT | SS_CENTERIMAGE, {2985, 1740, 1500, 330}, "일 마다 복구"},
      {"cmdGAdd", 107, nullptr, 0, {1725, 2520, 1350, 420}, "확인", "CMDOK02"},
      {"CButton1", 108, nullptr, 0, {3225, 2520, 1350, 420}, "닫기", "Exit"},
  };
  return table;
}
}  // namespace

WindowOptions FrmRSetRec::Options() const { return CenteredWindowOptions("복구 방식 설정", kStyle, 4800, 3150); }

void FrmRSetRec::OnLoad() {
  CreateControls(Table());
  HWND days = controls()["cboDay"];
  for (int day = 1; day <= 30; ++day)
    SendMessageW(days, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(day).c_str()));
  SendMessageW(days, CB_SETCURSEL, 1, 0);  // 2 days
  OnClick("cmdGAdd", [this] { cmdGAdd_Click(); });
  OnClick("CButton1", [this] { Unload(); });
  UseDialogKeys("cmdGAdd", "CButton1");
  Preselect();
}

void FrmRSetRec::Preselect() {
  using enum RecoveryLibrary;
  for (RecoveryLibrary library : {Lsrecn, VdRcvrp2, VdRcvrp}) {
    if (!IsRecoveryInstalled(library)) continue;
    RecoveryMode mode = RecoveryModeOfState(ReadRecoveryState(library));
    controls().SetChecked(Indexed("Option1", mode.option), true);
    SendMessageW(controls()["cboDay"], CB_SETCURSEL, static_cast<WPARAM>(mode.days - 1), 0);
    return;
  }
}

void FrmRSetRec::cmdGAdd_Click() {
  RecoveryMode mode;
  for (int option = 0; option < 4; ++option)
    if (controls().Checked(Indexed("Option1", option))) mode.option = option;
  mode.days = std::max(1, static_cast<int>(SendMessageW(controls()["cboDay"], CB_GETCURSEL, 0, 0)) + 1);
  TheApp().RecoveryModeCode = RecoveryModeCode(mode);
  Unload();
}

void ShowFrmRSetRec(HWND owner) {
  FrmRSetRec dialog;
  ShowModal(dialog, owner);
}
