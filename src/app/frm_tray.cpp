#include "app/frm_tray.h"

#include "admin/frm_about.h"
#include "admin/frm_pass.h"
#include "admin/recovery_libraries.h"
#include "agent/agent_link.h"
#include "agent/menu_actions.h"
#include "app/tray_icon.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/processes.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "store/wait.h"
#include "ui/form_registry.h"
#include "ui/forms.h"
#include "ui/popup_menu.h"
#include "upkeep/pc_upkeep.h"

namespace {
constexpr UINT kDoubleClick = WM_LBUTTONDBLCLK;  // 515
constexpr UINT kRightButtonUp = WM_RBUTTONUP;    // 517

// The window of the menu layout in use, if it is loaded.
Window* LayoutMenuForm() { return FindLoadedForm(TheApp().Settings.ltype == 0 ? "frmMain" : "frmMain2"); }
}  // namespace

WindowOptions FrmTray::Options() const {
  WindowOptions options;
  options.caption = "Tessel";
  options.style = 0;
  options.parent = HWND_MESSAGE;  // never shown
  return options;
}

void FrmTray::OnLoad() {
  SetProgramWindow(hwnd());
  DoEvents();
  iconShown_ = false;
  SetFolderAttributes();
  StartupFix();
  ProbeRecoveryLibraries();
  TaskbarCreatedMessage();
  TheApp().VConnect = Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, "VConnect")) == "1";
  SetTimer(hwnd(), kTimer1, 1000, nullptr);
}

void FrmTray::OnUnload() {
  SetProgramWindow(nullptr);
  FinishRecoverySession();
  PostQuitMessage(0);
}

void FrmTray::SetFolderAttributes() const {
  static constexpr const char* kHidden[] = {
      "Bmp", "Best", "Skin", "Online", "Internet", "Messenger", "Board", "Cd", "etc", "tmp", "Action", "Sport",
      "Flash", "EtcGame", "Movie", "Casual", "VdAd", "Mmorpg", "Fps", "Acade", "Movie2", "Exe", "TV", "Multi"};
  const std::string& folder = TheApp().ProgramFolder;
  for (const char* name : kHidden)
    SetFileAttributesW(Widen(JoinPath(folder, name)).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesW(Widen(folder).c_str(), FILE_ATTRIBUTE_NORMAL);
}

void FrmTray::OnTimer(UINT_PTR id) {
  if (id == kTimer2) return PollIpChange();
  if (id != kTimer1 || iconShown_) return;
  iconShown_ = true;
  KillTimer(hwnd(), kTimer1);
  IPCA_CHK();
  AddIcon();
}

void FrmTray::AddIcon() const {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  const RecoveryState& recovery = TheApp().Recovery;
  AddTrayIcon(TrayIconRecord(hwnd(), icon, TrayTip(recovery.present, recovery.suspended)));
}

std::optional<LRESULT> FrmTray::OnMessage(UINT msg, WPARAM, LPARAM lParam) {
  if (msg == kTrayCallbackMessage) {
    if (lParam == kDoubleClick) mRestore_Click();
    if (lParam == kRightButtonUp && TheApp().MenuReady) ShowShortMenu();
    return 0;
  }
  if (msg == TaskbarCreatedMessage()) {
    AddIcon();
    return 0;
  }
  return std::nullopt;
}

void FrmTray::ShowShortMenu() {
  int chosen = ShowPopupMenu(hwnd(), {{mnu_Setting, "환경설정"}, {0, "-"}, {mnu_About, "정보(&A)"}});
  if (chosen == mnu_Setting) mnu_Setting_Click();
  if (chosen == mnu_About) OpenAbout();
}

void FrmTray::mnu_Setting_Click() {
  Window* menu = LayoutMenuForm();
  if (menu && !IsIconic(menu->hwnd())) {
    WithMenu([](MenuWindow& hooked) { hooked.ClearWebReloadFlag(); });
    ShowWindow(menu->hwnd(), SW_MINIMIZE);
  }
  WithMenu([](MenuWindow& hooked) {
    hooked.HidePopups();
    hooked.HideSkinnedWindow();
  });
  TheApp().LoginResult.clear();
  if (IsFormLoaded("frmEnv")) return;
  TheApp().LoginPurpose = "SE";
  OpenLogin();
}

void FrmTray::mRestore_Click() {
  Window* menu = LayoutMenuForm();
  if (menu && !IsWindowVisible(menu->hwnd())) ShowWindow(menu->hwnd(), SW_SHOW);
}

void FrmTray::SendMsgCd(const std::string& text) { SendToAgent(text, kAgentCdKeys); }

void FrmTray::IPCA_CHK() { RefreshTrayRecoveryState(); }

void FrmTray::ChangIP() {
  std::optional<IpTarget> target = ReadIpTarget();
  if (!target) return;
  EndCommandInterpreters();
  if (ipChange_.Start(*target)) SetTimer(hwnd(), kTimer2, 1000, nullptr);
}

void FrmTray::PollIpChange() {
  if (ipChange_.Running()) return;
  KillTimer(hwnd(), kTimer2);
  if (auto target = ipChange_.TakeTarget()) CompleteIpChange(*target);
}

FrmTray& TheFrmTray() {
  static FrmTray tray;
  return tray;
}
