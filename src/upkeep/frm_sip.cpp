#include "upkeep/frm_sip.h"

#include <commctrl.h>

#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/message_box.h"
#include "ui/modal.h"

namespace {
HWND Child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y, int width, int id) {
  HWND child = CreateWindowExW(kind[0] == L'E' ? WS_EX_CLIENTEDGE : 0, kind, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                         x, y, width, 24, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void SelectAll(HWND box) { SendMessageW(box, EM_SETSEL, 0, -1); }

// Pictures <name>_N, _O and _C.jpg of the current skin for the normal, hover and pressed states.
void Skin(PictureButton& button, const std::string& name) {
  std::string folder = JoinPath(JoinPath(TheApp().ProgramFolder, "Skin"), TheApp().SkinName);
  button.SetPicture(PictureButton::State::Normal, JoinPath(folder, name + "_N.jpg"));
  button.SetPicture(PictureButton::State::Hover, JoinPath(folder, name + "_O.jpg"));
  button.SetPicture(PictureButton::State::Pressed, JoinPath(folder, name + "_C.jpg"));
}

void Inform(const std::string& text) { ShowMessageBox(text, MB_OK | MB_ICONINFORMATION); }

void StoreServerAddress(const std::string& address) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", address);
}
}  // namespace

WindowOptions FrmSIp::Options() const {
  WindowOptions options;
  options.caption = "서버 IP 설정";
  options.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  options.width = 330;
  options.height = 124;
  options.x = (GetSystemMetrics(SM_CXSCREEN) - options.width) / 2;
  options.y = (GetSystemMetrics(SM_CYSCREEN) - options.height) / 2;
  return options;
}

void FrmSIp::OnLoad() {
  CreateControls();
  TheApp().LoginPurpose.clear();
  FillFromRegistry();
}

void FrmSIp::CreateControls() {
  for (int i = 0; i < 4; ++i) {
    boxes_[static_cast<size_t>(i)] = Child(hwnd(), L"EDIT", L"", ES_CENTER | ES_AUTOHSCROLL, 16 + i * 74, 16, 56, txtIP + i);
    SendMessageW(Box(i), EM_LIMITTEXT, 3, 0);
    SetWindowSubclass(Box(i), BoxProcedure, static_cast<UINT_PTR>(i), reinterpret_cast<DWORD_PTR>(this));
    if (i < 3) Child(hwnd(), L"STATIC", L".", SS_CENTER, 72 + i * 74, 18, 18, 0);
  }
  ok_.Create(hwnd(), cmdGAdd, 16, 56, 90, 24);
  Skin(ok_, "CMDOK00");
  Child(hwnd(), L"BUTTON", L"초기화", BS_PUSHBUTTON, 116, 56, 90, Command1);
  close_.Create(hwnd(), CButton1, 216, 56, 90, 24);
  Skin(close_, "Exit");
}

void FrmSIp::FillFromRegistry() {
  std::string stored = RegReadString(HKEY_CURRENT_USER, kTesselKey, "SvrIP");
  if (stored == "*") return;
  std::vector<std::string> parts = Split(stored, '.');
  filling_ = true;
  for (size_t i = 0; i < parts.size() && i < 4; ++i) SetWindowTextW(boxes_[i], Widen(parts[i]).c_str());
  filling_ = false;
}

std::string FrmSIp::BoxText(int index) const {
  wchar_t text[16] = {};
  GetWindowTextW(Box(index), text, 16);
  return Narrow(text);
}

void FrmSIp::FocusBox(int index) const {
  SetFocus(Box(index));
  SelectAll(Box(index));
}

LRESULT CALLBACK FrmSIp::BoxProcedure(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR index, DWORD_PTR) {
  if (msg == WM_KEYDOWN && wParam == VK_RIGHT && index < 3) {
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    if (end >= static_cast<DWORD>(GetWindowTextLengthW(box))) {
      HWND next = GetDlgItem(GetParent(box), static_cast<int>(txtIP + index + 1));
      SetFocus(next);
      SelectAll(next);
      return 0;
    }
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(box, BoxProcedure, index);
  return DefSubclassProc(box, msg, wParam, lParam);
}

void FrmSIp::OnCommand(int id, int code, HWND control) {
  int box = id - txtIP;
  if (box >= 0 && box < 4) {
    if (code == EN_SETFOCUS) SelectAll(control);
    if (code == EN_CHANGE && !filling_ && box < 3 && GetWindowTextLengthW(control) == 3) FocusBox(box + 1);
    return;
  }
  if (code != BN_CLICKED) return;
  if (id == cmdGAdd) cmdGAdd_Click();
  if (id == Command1) Command1_Click();
  if (id == CButton1) Unload();
}

void FrmSIp::cmdGAdd_Click() {
  std::string address;
  for (int i = 0; i < 4; ++i) {
    std::string text = BoxText(i);
    if (Trim(text).empty()) {
      ShowWarning("IP주소가 제대로 입력되지 않았습니다1!");
      return FocusBox(i);
    }
    long long value = ParseLeadingNumber(text);
    if (value < 0 || value > 255) {
      ShowWarning("0 ~ 255 사이의 값을 입력하세요!!");
      return FocusBox(i);
    }
    address += (i ? "." : "") + text;
  }
  StoreServerAddress(address);
  Inform("서버 IP설정 완료!!");
  TheApp().LoginPurpose = "OK";
  Unload();
}

void FrmSIp::Command1_Click() {
  if (!Confirm("서버 IP설정을 초기화 하겠습니까?")) return;
  filling_ = true;
  for (HWND box : boxes_) SetWindowTextW(box, L"");
  filling_ = false;
  StoreServerAddress("*");
  Inform("서버 IP설정 초기화 완료!!");
  TheApp().LoginPurpose = "OK";
}

void ShowFrmSIp(HWND owner) {
  FrmSIp dialog;
  ShowModal(dialog, owner);
}
