#include "upkeep/frm_sip.h"

#include <commctrl.h>

#include <vector>

#include "state/app_state.h"
#include "store/registry.h"
#include "store/text_util.h"
#include "ui/checks.h"
#include "ui/message_box.h"
#include "ui/modal.h"

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

const std::vector<ControlSpec>& Table() {
  static const std::vector<ControlSpec> table = [] {
    std::vector<ControlSpec> rows;
    for (int i = 0; i < 4; ++i) {
      int x = 240 + i * 1110;
      rows.push_back({Indexed("txtIP", i), 100 + i, WC_EDITW, ES_CENTER | ES_AUTOHSCROLL, {x, 240, 840, 360}});
      if (i < 3) rows.push_back({Indexed("lblDot", i), 0, WC_STATICW, SS_CENTER, {x + 840, 270, 270, 330}, "."});
    }
    rows.push_back({"cmdGAdd", 110, nullptr, 0, {240, 840, 1350, 360}, "확인", "CMDOK00"});
    rows.push_back({"Command1", 111, WC_BUTTONW, BS_PUSHBUTTON, {1740, 840, 1350, 360}, "초기화"});
    rows.push_back({"CButton1", 112, nullptr, 0, {3240, 840, 1350, 360}, "닫기", "Exit"});
    return rows;
  }();
  return table;
}

void SelectAll(HWND box) { SendMessageW(box, EM_SETSEL, 0, -1); }

void StoreServerAddress(const std::string& address) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", address);
}
}  // namespace

WindowOptions FrmSIp::Options() const { return CenteredWindowOptions("서버 IP 설정", kStyle, 4830, 1440); }

void FrmSIp::OnLoad() {
  CreateControls(Table());
  for (int i = 0; i < 4; ++i) {
    SendMessageW(Box(i), EM_LIMITTEXT, 3, 0);
    SetWindowSubclass(Box(i), BoxProcedure, static_cast<UINT_PTR>(i), reinterpret_cast<DWORD_PTR>(this));
    On(Indexed("txtIP", i), EN_SETFOCUS, [this, i] { SelectAll(Box(i)); });
    On(Indexed("txtIP", i), EN_CHANGE, [this, i] { BoxChanged(i); });
  }
  OnClick("cmdGAdd", [this] { cmdGAdd_Click(); });
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("CButton1", [this] { Unload(); });
  UseDialogKeys("cmdGAdd", "CButton1");
  TheApp().LoginPurpose.clear();
  FillFromRegistry();
}

HWND FrmSIp::Box(int index) const { return controls()[Indexed("txtIP", index)]; }

std::string FrmSIp::BoxText(int index) const { return controls().Text(Indexed("txtIP", index)); }

void FrmSIp::FillFromRegistry() {
  std::string stored = RegReadString(HKEY_CURRENT_USER, kTesselKey, "SvrIP");
  if (stored == "*") return;
  std::vector<std::string> parts = Split(stored, '.');
  filling_ = true;
  for (size_t i = 0; i < parts.size() && i < 4; ++i)
    controls().SetText(Indexed("txtIP", static_cast<int>(i)), parts[i]);
  filling_ = false;
}

void FrmSIp::FocusBox(int index) const { controls().FocusAndSelect(Indexed("txtIP", index)); }

void FrmSIp::BoxChanged(int index) {
  if (!filling_ && index < 3 && GetWindowTextLengthW(Box(index)) == 3) FocusBox(index + 1);
}

LRESULT CALLBACK FrmSIp::BoxProcedure(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                      DWORD_PTR self) {
  if (msg == WM_KEYDOWN && wParam == VK_RIGHT && index < 3) {
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    if (end >= static_cast<DWORD>(GetWindowTextLengthW(box))) {
      reinterpret_cast<FrmSIp*>(self)->FocusBox(static_cast<int>(index) + 1);
      return 0;
    }
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(box, BoxProcedure, index);
  return DefSubclassProc(box, msg, wParam, lParam);
}

void FrmSIp::cmdGAdd_Click() {
  std::vector<Check> checks;
  for (int i = 0; i < 4; ++i) {
    std::string box = Indexed("txtIP", i);
    checks.push_back({box, [this, i] { return !Trim(BoxText(i)).empty(); }, "IP주소가 제대로 입력되지 않았습니다1!"});
    checks.push_back({box, [this, i] {
                        long long value = ParseLeadingNumber(BoxText(i));
                        return value >= 0 && value <= 255;
                      },
                      "0 ~ 255 사이의 값을 입력하세요!!"});
  }
  if (!RunChecks(controls(), checks)) return;
  StoreServerAddress(BoxText(0) + "." + BoxText(1) + "." + BoxText(2) + "." + BoxText(3));
  ShowInformation("서버 IP설정 완료!!");
  TheApp().LoginPurpose = "OK";
  Unload();
}

void FrmSIp::Command1_Click() {
  if (!Confirm("서버 IP설정을 초기화 하겠습니까?")) return;
  filling_ = true;
  for (int i = 0; i < 4; ++i) controls().SetText(Indexed("txtIP", i), "");
  filling_ = false;
  StoreServerAddress("*");
  ShowInformation("서버 IP설정 초기화 완료!!");
  TheApp().LoginPurpose = "OK";
}

void ShowFrmSIp(HWND owner) {
  FrmSIp dialog;
  ShowModal(dialog, owner);
}
