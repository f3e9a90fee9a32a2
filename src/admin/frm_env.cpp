#include "admin/frm_env.h"

#include <commctrl.h>

#include "admin/env_tabs.h"
#include "state/app_state.h"
#include "state/game_data_folder.h"
#include "store/agent_channel.h"
#include "store/files.h"
#include "store/launch.h"
#include "store/processes.h"
#include "store/registry.h"
#include "store/wait.h"
#include "ui/bindings.h"
#include "ui/message_box.h"
#include "ui/modal.h"
#include "upkeep/windows_folders.h"

namespace {
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kWidth = 12000, kHeight = 7050, kWideExtra = 3000;
constexpr TwipsRect kPanelArea{2550, 150, 9300, 6150};
constexpr const char* kWideKey = "SOFTWARE\\Harrow\\Wide";
constexpr const char* kNoServer = "서버와 연결이 되지 않았습니다!!\r\n서버와 연결이 되어야 사용이 가능합니다!!";

const std::vector<ControlSpec>& Table() {
  static const std::vector<ControlSpec> table = [] {
    std::vector<ControlSpec> rows;
    const std::vector<EnvTab>& tabs = EnvTabs();
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i)
      rows.push_back({Indexed("cmdTBtn", i), 100 + i, nullptr, 0, {150, 150 + i * 600, 2250, 570}, tabs[i].caption});
    rows.push_back({"chkWide", 130, WC_BUTTONW, BS_AUTOCHECKBOX, {225, 5700, 2175, 330}, "와이드 화면"});
    rows.push_back({"CButton1", 131, nullptr, 0, {600, 6480, 1350, 420}, "닫기", "Exit"});
    rows.push_back({"cmdPinfo", 140, WC_BUTTONW, BS_PUSHBUTTON, {2550, 6450, 1650, 450}, "패치정보 받기"});
    rows.push_back({"cmdSr", 141, WC_BUTTONW, BS_PUSHBUTTON, {4275, 6450, 1650, 450}, "서버목록 받기"});
    rows.push_back({"cmdIconSvr", 142, WC_BUTTONW, BS_PUSHBUTTON, {6000, 6450, 1500, 450}, "아이콘 받기"});
    rows.push_back({Indexed("OptIc", 0), 143, WC_BUTTONW, BS_AUTORADIOBUTTON | WS_GROUP, {7620, 6510, 780, 330}, "전체"});
    rows.push_back({Indexed("OptIc", 1), 144, WC_BUTTONW, BS_AUTORADIOBUTTON, {8400, 6510, 1275, 330}, "새 아이콘만"});
    rows.push_back({"cmdUpGrade", 145, WC_BUTTONW, BS_PUSHBUTTON, {9750, 6450, 2100, 450}, "클라이언트 업그레이드",
                    {}, Anchor::Right});
    return rows;
  }();
  return table;
}

bool WideOption() { return RegReadDword(HKEY_CURRENT_USER, kWideKey, "dwWide") == 1; }
int ExtraWidth() { return WideOption() ? kWideExtra : 0; }

RECT PanelArea(int extraWidth) {
  TwipsRect area = kPanelArea;
  area.width += extraWidth;
  return PixelRect(area);
}

std::string TabPicture(int index, char state) {
  return JoinPath(TheApp().ProgramFolder, "image\\e0" + std::to_string(index) + state + ".jpg");
}

bool Connected() { return TheApp().VConnect; }

void SendCommand(const char* command) { SendToAgent(command, kAgentCommand); }

const std::vector<Binding>& Bindings() {
  static const std::vector<Binding> bindings = {RegistryDwordBinding("chkWide", HKEY_CURRENT_USER, kWideKey, "dwWide")};
  return bindings;
}
}  // namespace

WindowOptions FrmEnv::Options() const {
  return CenteredWindowOptions("Tessel 환경설정", kStyle, kWidth + ExtraWidth(), kHeight);
}

EnvContext FrmEnv::MakeContext() {
  const std::string& folder = TheApp().ProgramFolder;
  EnvContext context;
  context.paths = {JoinPath(folder, "ip.ini"),
                   JoinPath(folder, "Skin\\StartN.mts"),
                   JoinPath(folder, "env.mts"),
                   JoinPath(folder, "DFList.MTS"),
                   JoinPath(folder, "Skin\\Vdcate.ini"),
                   JoinPath(GetGameDataFolder(), "Game.mts"),
                   JoinPath(folder, "GameExe.ini"),
                   ToolSystemFolder()};
  context.inspectionShown = RegReadDword(HKEY_CURRENT_USER, kTesselKey, "dwGPTest") == 0;
  // Posted: the panel that asks is still in its handler.
  context.closeWindow = [this] { PostMessageW(hwnd(), WM_CLOSE, 0, 0); };
  return context;
}

void FrmEnv::OnLoad() {
  CreateControls(Table(), ExtraWidth());
  for (int i = 0; i < static_cast<int>(EnvTabs().size()); ++i) {
    OnClick(Indexed("cmdTBtn", i), [this, i] { cmdTBtn_Click(i); });
    ShowTabPictures(i, false);
  }
  OnClick("chkWide", [this] {
    SaveBindings(controls(), Bindings());
    ApplyWide();
  });
  OnClick("CButton1", [this] { Unload(); });
  OnClick("cmdPinfo", [this] { cmdPinfo_Click(); });
  OnClick("cmdSr", [] { SendCommand("PS"); });
  OnClick("cmdIconSvr", [this] { cmdIconSvr_Click(); });
  OnClick("cmdUpGrade", [this] { cmdUpGrade_Click(); });
  UseDialogKeys({}, "CButton1");
  controls().SetChecked(Indexed("OptIc", 0), true);
  LoadBindings(controls(), Bindings());
  CreatePanels();
  current_ = -1;
  SelectTab(kIpTableTab);
}

void FrmEnv::OnUnload() {
  panels_.clear();
  current_ = -1;
  Dialog::OnUnload();
}

void FrmEnv::CreatePanels() {
  EnvContext context = MakeContext();
  panels_.clear();
  for (const EnvTab& tab : EnvTabs()) {
    std::unique_ptr<EnvPanel> panel = tab.makePanel ? tab.makePanel() : nullptr;
    if (panel) panel->CreatePage(hwnd(), PanelArea(ExtraWidth()), ExtraWidth(), context);
    panels_.push_back(std::move(panel));
  }
}

EnvPanel* FrmEnv::Panel(int index) const {
  return index >= 0 && index < static_cast<int>(panels_.size()) ? panels_[static_cast<size_t>(index)].get() : nullptr;
}

void FrmEnv::ShowTabPictures(int index, bool selected) const {
  PictureButton* button = controls().Picture(Indexed("cmdTBtn", index));
  if (!button) return;
  button->SetPicture(PictureButton::State::Normal, TabPicture(index, selected ? 'S' : 'N'));
  button->SetPicture(PictureButton::State::Hover, TabPicture(index, selected ? 'S' : 'O'));
  button->SetPicture(PictureButton::State::Pressed, TabPicture(index, 'S'));
}

void FrmEnv::cmdTBtn_Click(int index) {
  if (index == current_ || index < 0 || index >= static_cast<int>(EnvTabs().size())) return;
  if (EnvTabs()[static_cast<size_t>(index)].needsServer && !Connected()) return ShowWarning(kNoServer);
  if (index == kMirrorTab) return RunFolderMirroring(index);
  SelectTab(index);
}

void FrmEnv::SelectTab(int index) {
  if (current_ >= 0) {
    ShowTabPictures(current_, false);
    if (EnvPanel* old = Panel(current_)) ShowWindow(old->hwnd(), SW_HIDE);
  }
  current_ = index;
  ShowTabPictures(index, true);
  if (EnvPanel* panel = Panel(index)) {
    SetWindowPos(panel->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    panel->Prepare();
  }
  if (const char* command = EnvTabs()[static_cast<size_t>(index)].openSends) SendCommand(command);
}

void FrmEnv::RunFolderMirroring(int index) {
  std::string module = JoinPath(TheApp().ProgramFolder, "Skin\\vized.exe");
  if (!FileExists(module)) return ShowWarning("폴더 미러링 모듈이 존재하지 않습니다!!");
  std::string button = Indexed("cmdTBtn", index);
  controls().Enable(button, false);
  bool customersToo = ShowMessageBox("손님 사용중으로 표시된 PC도 연결을 하겠습니까?",
                                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
  if (!IsProcessRunning("vized.exe")) {
    ShellOpen(module, "-fmstrt");
    bool shown = false;
    for (int look = 0; look < 10 && !shown; ++look) {
      shown = FindWindowW(nullptr, L"vized") != nullptr;
      if (!shown) WaitMilliseconds(500);
    }
    if (!shown) return controls().Enable(button, true);
  }
  SendCommand(customersToo ? "MP" : "ML");
  controls().Enable(button, true);
}

void FrmEnv::ApplyWide() {
  int extra = ExtraWidth();
  WindowOptions size = Options();
  SetWindowPos(hwnd(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
  RelayoutControls(extra);
  for (const auto& panel : panels_)
    if (panel) panel->Resize(PanelArea(extra), extra);
}

void FrmEnv::cmdPinfo_Click() {
  if (!Connected()) return ShowWarning("서버와 연결이 되어야 사용이 가능합니다!!");
  SendCommand("GF");
}

void FrmEnv::cmdIconSvr_Click() {
  if (!Connected()) return ShowWarning(kNoServer);
  bool all = controls().Checked(Indexed("OptIc", 0));
  if (!Confirm(all ? "서버에서 전체 아이콘을 받아 적용 하겠습니까?" : "서버에서 새 아이콘만 받아 적용 하겠습니까?")) return;
  SendCommand(all ? "GS" : "GSN");
}

void FrmEnv::cmdUpGrade_Click() {
  if (Confirm("클라이언트를 업그레이드 하겠습니까?")) SendCommand("UP");
}

void FrmEnv::ReceiveAgentCommand(const std::string& command) {
  if (!IsLoaded() || !IsWindowVisible(hwnd())) return;
  for (const auto& panel : panels_)
    if (panel) panel->OnAgentCommand(command);
}

void FrmEnv::ReceiveSettingsText(const std::string& text) {
  if (!IsLoaded() || !IsWindowVisible(hwnd())) return;
  for (const auto& panel : panels_)
    if (panel) panel->OnSettingsText(text);
}

FrmEnv& TheFrmEnv() {
  static FrmEnv settings;
  return settings;
}

void OpenSettingsWindow() { ShowModeless(TheFrmEnv(), SW_SHOWNORMAL); }
