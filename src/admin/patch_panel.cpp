#include "admin/patch_panel.h"

#include <commctrl.h>

#include "admin/frm_env.h"
#include "catalog/clock.h"
#include "patch/engine_files.h"
#include "patch/frm_patch_group.h"
#include "patch/frm_patch_log.h"
#include "patch/module_settings_save.h"
#include "store/cipher.h"
#include "patch/patch_data.h"
#include "patch/patch_groups.h"
#include "patch/patch_list.h"
#include "patch/patch_panel_actions.h"
#include "patch/patch_run.h"
#include "patch/patch_server.h"
#include "patch/schedule_rules.h"
#include "patch/sync_rules.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/forms.h"
#include "ui/message_box.h"

namespace {
constexpr const char* kLimits[] = {"제한안함", "10", "20", "30", "60", "90", "120"};
constexpr const char* kSyncOptions[] = {"전체 동기화", "파일만", "레지스트리만"};
constexpr int kFirstDayBox = 2, kLastDayBox = 6;

// The rows with ids from 100; each panel moves them to ids of its own.
std::vector<ControlSpec> Rows() {
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;
    constexpr DWORD kBox = ES_AUTOHSCROLL;
    constexpr DWORD kDrop = CBS_DROPDOWNLIST | WS_VSCROLL;
    constexpr DWORD kButton = BS_PUSHBUTTON;
    std::vector<ControlSpec> rows = {
        {"TabSGP", 100, WC_TABCONTROLW, 0, {0, 0, 9300, 360}, {}, {}, Anchor::Stretch},
        {"lvwGPLst", 101, WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, {0, 390, 9300, 2550}, {}, {},
         Anchor::Stretch},
        {"cmdAll", 102, WC_BUTTONW, kButton, {0, 3000, 1050, 390}, "전체선택"},
        {"cmdAllN", 103, WC_BUTTONW, kButton, {1110, 3000, 1050, 390}, "선택해제"},
        {"cmdMr", 104, WC_BUTTONW, kButton, {2220, 3000, 1200, 390}, "My패치 등록"},
        {"cmdMd", 105, WC_BUTTONW, kButton, {3480, 3000, 1200, 390}, "My패치 삭제"},
        {"cmdGroup", 106, WC_BUTTONW, kButton, {4740, 3000, 1200, 390}, "그룹 관리"},
        {"chkAccount", 107, WC_BUTTONW, BS_AUTOCHECKBOX, {6090, 3030, 1900, 330}, "ID/비밀번호 보기"},
        {"fraEdit", 110, WC_BUTTONW, BS_GROUPBOX, {0, 3450, 5550, 2250}, "게임 설정"},
        {"lblId", 111, WC_STATICW, kLabel, {120, 3720, 700, 330}, "ID"},
        {"txtId", 112, WC_EDITW, kBox, {820, 3720, 1500, 330}},
        {"lblPwd", 113, WC_STATICW, kLabel, {2400, 3720, 800, 330}, "비밀번호"},
        {"txtPwd", 114, WC_EDITW, kBox | ES_PASSWORD, {3200, 3720, 1300, 330}},
        {"cmdOk1", 115, WC_BUTTONW, kButton, {4580, 3705, 850, 360}, "저장"},
        {"lblPath1", 116, WC_STATICW, kLabel, {120, 4110, 700, 330}, "경로1"},
        {"txtPath1", 117, WC_EDITW, kBox, {820, 4110, 4000, 330}},
        {"cmdMyPath", 118, WC_BUTTONW, kButton, {4880, 4095, 550, 360}, "검색"},
        {"lblPath2", 119, WC_STATICW, kLabel, {120, 4500, 700, 330}, "경로2"},
        {"txtPath2", 120, WC_EDITW, kBox, {820, 4500, 4610, 330}},
        {"lblLsize", 121, WC_STATICW, kLabel, {120, 4890, 700, 330}, "제한시간"},
        {"cboLsize", 122, WC_COMBOBOXW, kDrop, {820, 4875, 1000, 2400}},
        {"lblSCate", 123, WC_STATICW, kLabel, {1900, 4890, 750, 330}, "카테고리"},
        {"cboSCate", 124, WC_COMBOBOXW, kDrop, {2650, 4875, 1300, 3000}},
        {"lblTime", 125, WC_STATICW, kLabel, {4030, 4890, 600, 330}, "타이머"},
        {"cboTime", 126, WC_COMBOBOXW, kDrop, {4630, 4875, 800, 3000}},
        {"lblFind", 127, WC_STATICW, kLabel, {120, 5280, 700, 330}, "찾기"},
        {"txtFind", 128, WC_EDITW, kBox, {820, 5280, 1300, 330}},
        {"lblReplace", 129, WC_STATICW, kLabel, {2200, 5280, 700, 330}, "바꾸기"},
        {"txtReplace", 130, WC_EDITW, kBox, {2900, 5280, 1300, 330}},
        {"cmdRok", 131, WC_BUTTONW, kButton, {4280, 5265, 1150, 360}, "경로 바꾸기"},
        {"fraDay", 140, WC_BUTTONW, BS_GROUPBOX, {5700, 3450, 3600, 1530}, "게임 선택", {}, Anchor::Right},
        {"ChkTest", 146, WC_BUTTONW, BS_AUTOCHECKBOX, {7800, 3690, 1440, 300}, "점검 게임 제외", {}, Anchor::Right},
        {"cmdToDay", 150, WC_BUTTONW, kButton, {5700, 5040, 1150, 390}, "패치 조회", {}, Anchor::Right},
        {"cmdTodayS", 151, WC_BUTTONW, kButton, {6900, 5040, 1150, 390}, "오늘 패치", {}, Anchor::Right},
        {"cmdinst", 152, WC_BUTTONW, kButton, {8100, 5040, 1200, 390}, "설치 검색", {}, Anchor::Right},
        {"cmdDefault", 153, WC_BUTTONW, kButton, {5700, 5490, 1150, 420}, "기본 경로", {}, Anchor::Right},
        {"cmdGPLog", 154, WC_BUTTONW, kButton, {6900, 5490, 1150, 420}, "패치 기록", {}, Anchor::Right},
        {"cmdStart", 155, WC_BUTTONW, kButton, {8100, 5490, 1200, 420}, "패치 시작", {}, Anchor::Right},
        {"fraSync", 160, WC_BUTTONW, BS_GROUPBOX, {5700, 3450, 3600, 1530}, "게임 동기화", {}, Anchor::Right},
        {"lblSync", 161, WC_STATICW, kLabel, {5820, 3720, 900, 330}, "Sync서버", {}, Anchor::Right},
        {"lstSync", 162, WC_COMBOBOXW, kDrop, {6720, 3705, 1400, 3000}, {}, {}, Anchor::Right},
        {"cmdSync", 166, WC_BUTTONW, kButton, {8100, 5490, 1200, 420}, "게임 Sync", {}, Anchor::Right},
        {"List1", 170, WC_LISTBOXW, LBS_NOTIFY | WS_VSCROLL | WS_BORDER, {2220, 3390, 2460, 1500}},
        {"pica", 171, WC_STATICW, SS_CENTER | SS_CENTERIMAGE | WS_BORDER, {2400, 1200, 4500, 900},
         "설치 된 게임을 검색 중입니다...", {}, Anchor::Stretch},
    };
    for (int day = kFirstDayBox; day <= kLastDayBox; ++day) {
      int slot = day - kFirstDayBox;
      rows.push_back({Indexed("chkDate", day), 140 + day, WC_BUTTONW, BS_AUTOCHECKBOX,
                      {5820, 3690 + slot * 240, 1950, 240}, {}, {}, Anchor::Right});
    }
    for (int i = 0; i < 3; ++i)
      rows.push_back({Indexed("OptSync", i), 163 + i, WC_BUTTONW, BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0),
                      {5820, 4080 + i * 300, 3300, 300}, kSyncOptions[i], {}, Anchor::Right});
  return rows;
}

// Ids 400 and up on the patch panel, 800 and up on the sync panel: unique in the settings window.
const std::vector<ControlSpec>& Table(bool syncMode) {
  static const auto table = [](int base) {
    std::vector<ControlSpec> rows = Rows();
    for (ControlSpec& row : rows) row.id += base - 100;
    return rows;
  };
  static const std::vector<ControlSpec> patch = table(400), sync = table(800);
  return syncMode ? sync : patch;
}

constexpr const char* kPatchOnly[] = {"fraDay", "ChkTest", "cmdToDay", "cmdTodayS", "cmdinst", "cmdStart",
                                      "chkAccount"};
constexpr const char* kSyncOnly[] = {"fraSync", "lblSync", "lstSync", "cmdSync"};

void AddItem(HWND box, const std::string& text, UINT message = CB_ADDSTRING) {
  SendMessageW(box, message, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}
}  // namespace

void PatchPanel::OnLoad() {
  CreateControls(Table(syncMode_), extraWidth());
  const Controls& c = controls();
  list_.Attach(c["lvwGPLst"], LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  CreatePatchListColumns(list_, Columns());
  for (const char* limit : kLimits) AddItem(c["cboLsize"], limit);
  for (int minutes = 0; minutes <= 120; minutes += 10) AddItem(c["cboTime"], std::to_string(minutes));
  for (size_t i = 1; i < TheApp().Categories.size(); ++i) AddItem(c["cboSCate"], TheApp().Categories[i].Name);
  for (const char* name : kPatchOnly) c.Show(name, !syncMode_);
  for (const char* name : kSyncOnly) c.Show(name, syncMode_);
  for (int day = kFirstDayBox; day <= kLastDayBox; ++day) c.Show(Indexed("chkDate", day), !syncMode_);
  for (int i = 0; i < 3; ++i) c.Show(Indexed("OptSync", i), syncMode_);
  c.SetChecked(Indexed("OptSync", 0), true);
  c.Show("ChkTest", !syncMode_ && context().inspectionShown);
  c.Show("List1", false);
  c.Show("pica", false);
  // The sync panel has no account to edit; its limit is a size limit.
  for (const char* account : {"lblId", "txtId", "lblPwd", "txtPwd"}) c.Show(account, !syncMode_);
  if (syncMode_) c.SetText("lblLsize", "사이즈제한");
  OnSettingsText("");
  DrawDayBoxes();

  On("TabSGP", TCN_SELCHANGE, [this] { SelectTab(TabCtrl_GetCurSel(controls()["TabSGP"])); });
  On("lvwGPLst", NM_CLICK, [this] { lvwGPLst_Click(); });
  On("List1", LBN_SELCHANGE, [this] { List1_Click(); });
  OnClick("chkAccount", [this] {
    list_.Clear();
    list_.ClearColumns();
    CreatePatchListColumns(list_, Columns());
    FillPatchList();
  });
  OnClick("cmdAll", [this] { list_.CheckAll(true); });
  OnClick("cmdAllN", [this] { list_.CheckAll(false); });
  OnClick("cmdMr", [this] { cmdMr_Click(); });
  OnClick("cmdMd", [this] { cmdMd_Click(); });
  OnClick("cmdGroup", [this] {
    ShowFrmPatchGroup(GetAncestor(hwnd(), GA_ROOT));
    FillGroups();
  });
  OnClick("cmdOk1", [this] { cmdOk1_Click(); });
  OnClick("cmdMyPath", [this] {
    size_t game = SelectedGame();
    if (!game) return ShowWarning("게임을 선택하세요!!");
    std::string found = RegReadString(HKEY_CURRENT_USER, kInstallPathsKey, TheApp().Patch.descriptors[game].in_name);
    if (!found.empty()) controls().SetText("txtPath1", found);
  });
  OnClick("cmdRok", [this] { cmdRok_Click(); });
  OnClick("cmdDefault", [this] { cmdDefault_Click(); });
  OnClick("cmdToDay", [this] { cmdToDay_Click(); });
  OnClick("cmdTodayS", [this] { cmdTodayS_Click(); });
  OnClick("cmdinst", [this] { cmdinst_Click(); });
  OnClick("cmdGPLog", [] {
    std::string last = Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, "GPLAST"));
    if (!last.empty()) ShowPatchLog(last);
  });
  OnClick("cmdStart", [this] { cmdStart_Click(); });
  OnClick("cmdSync", [this] { cmdSync_Click(); });
}

PatchColumns PatchPanel::Columns() const {
  return !syncMode_ && controls().Checked("chkAccount") ? PatchColumns::Account : PatchColumns::Limits;
}

void PatchPanel::Prepare() {
  // The sync panel lists what is loaded; only the patch panel asks the agent for a fresh archive.
  if (syncMode_) return LoadPanelData();
  AskForDescriptorArchive();
  UnloadFormByName("frmPatchLog");
  waitCount_ = 1;
  SetTimer(hwnd(), kTimer1, 1000, nullptr);
}

void PatchPanel::OnTimer(UINT_PTR id) {
  if (id != kTimer1) return;
  DescriptorWait step =
      DescriptorWaitTick(waitCount_, RegReadDword(HKEY_CURRENT_USER, kTesselKey, "GPD"), FileExists(DescriptorArchive()));
  if (step == DescriptorWait::KeepWaiting) return;
  KillTimer(hwnd(), kTimer1);
  if (step == DescriptorWait::Missing) return ShowWarning("게임패치 목록을 로드 하는데 실패 하였습니다.");
  LoadPanelData();
}

void PatchPanel::LoadPanelData() {
  const Controls& frame = TheFrmEnv().controls();
  frame.Enable("cmdPinfo", false);
  LoadPatchData();
  FillGroups();
  frame.Enable("cmdPinfo", true);
  if (syncMode_) return;
  if (RegReadDword(HKEY_CURRENT_USER, kTesselKey, "dwGSH") == 0) cmdinst_Click();
  QueryInspectionList();
}

void PatchPanel::FillGroups() {
  groups_ = LoadGroups();
  HWND tabs = controls()["TabSGP"];
  TabCtrl_DeleteAllItems(tabs);
  std::vector<std::string> captions = PatchTabCaptions(groups_);
  for (size_t i = 0; i < captions.size(); ++i) {
    std::wstring caption = Widen(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  HWND list = controls()["List1"];
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const PatchGroup& group : groups_) AddItem(list, group.Gname, LB_ADDSTRING);
  SelectTab(0);
}

void PatchPanel::SelectTab(int index) {
  tab_ = index < 0 ? 0 : index;
  TabCtrl_SetCurSel(controls()["TabSGP"], tab_);
  FillPatchList();
}

void PatchPanel::FillPatchList() {
  ::FillPatchList(list_, PatchTabAt(static_cast<size_t>(tab_), groups_), Columns(), syncMode_);
}

std::vector<size_t> PatchPanel::TickedGames() const {
  std::vector<size_t> games;
  for (int row = 0; row < list_.Count(); ++row)
    if (list_.Checked(row)) games.push_back(RowRecord(list_, row));
  return games;
}

size_t PatchPanel::SelectedGame() const {
  int row = list_.SelectedRow();
  return row < 0 ? 0 : RowRecord(list_, row);
}

void PatchPanel::lvwGPLst_Click() {
  if (size_t game = SelectedGame()) ShowSelected(game);
}

void PatchPanel::ShowSelected(size_t index) {
  const PatchDescriptor& game = TheApp().Patch.descriptors[index];
  const Controls& c = controls();
  c.SetText("txtId", game.id);
  c.SetText("txtPwd", DecipherText(game.pwd));
  c.SetText("txtPath1", game.path1);
  c.SetText("txtPath2", game.path2);
  c.Enable("txtPath1", game.autoPathFlag != '1');
  c.Enable("txtPath2", game.autoPathFlag != '1');
  LRESULT limit = SendMessageW(c["cboLsize"], CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(Widen(game.lsize).c_str()));
  SendMessageW(c["cboLsize"], CB_SETCURSEL, limit == CB_ERR ? 0 : limit, 0);
  int category = 0;
  for (size_t i = 1; i < TheApp().Categories.size(); ++i)
    if (EqualsIgnoreCaseAscii(TheApp().Categories[i].Tag, game.cate)) category = static_cast<int>(i - 1);
  SendMessageW(c["cboSCate"], CB_SETCURSEL, category, 0);
  LRESULT timer = SendMessageW(c["cboTime"], CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(Widen(game.timer).c_str()));
  SendMessageW(c["cboTime"], CB_SETCURSEL, timer == CB_ERR ? 2 : timer, 0);
}

void PatchPanel::cmdOk1_Click() {
  size_t game = SelectedGame();
  if (!game) return ShowWarning("게임을 선택하세요!!");
  const Controls& c = controls();
  ModuleSettingEdit edit;
  edit.id = c.Text("txtId");
  edit.password = c.Text("txtPwd");
  edit.path1 = c.Text("txtPath1");
  edit.path2 = c.Text("txtPath2");
  LRESULT limit = SendMessageW(c["cboLsize"], CB_GETCURSEL, 0, 0);
  edit.lsize = limit <= 0 ? "0" : c.Text("cboLsize");
  LRESULT category = SendMessageW(c["cboSCate"], CB_GETCURSEL, 0, 0);
  if (category >= 0 && static_cast<size_t>(category) + 1 < TheApp().Categories.size()) {
    edit.cate = TheApp().Categories[static_cast<size_t>(category) + 1].Tag;
    edit.cname = TheApp().Categories[static_cast<size_t>(category) + 1].Name;
  }
  edit.timer = c.Text("cboTime");
  if (!SaveModuleSetting(game, edit)) return c.FocusAndSelect("txtPath1");
  int row = list_.SelectedRow();
  FillPatchList();
  list_.SelectRow(row);
}

void PatchPanel::cmdStart_Click() {
  std::vector<size_t> games = TickedGames();
  std::vector<const PatchDescriptor*> ticked;
  for (size_t index : games) ticked.push_back(&TheApp().Patch.descriptors[index]);
  // Which games the server checks for doubled IDs is another panel's list; none here.
  std::string refusal = StartRefusal(ticked, {}, TheApp().VConnect);
  if (!refusal.empty()) return ShowWarning(refusal);
  int inspection = controls().Checked("ChkTest") ? 1 : 0;
  if (StartRun(games, RunSource::PatchPanel, inspection) && context().closeWindow) context().closeWindow();
}

void PatchPanel::DrawDayBoxes() {
  const auto& schedule = TheApp().Patch.schedule;
  for (int day = kFirstDayBox; day <= kLastDayBox; ++day)
    controls().SetText(Indexed("chkDate", day), DayBoxCaption(day, schedule[static_cast<size_t>(day)]));
}

void PatchPanel::cmdToDay_Click() {
  QueryWeeklySchedule(true);
  DrawDayBoxes();
}

void PatchPanel::cmdTodayS_Click() {
  const Controls& c = controls();
  std::array<bool, 8> ticked{};
  bool any = false;
  for (int day = kFirstDayBox; day <= kLastDayBox; ++day) any |= ticked[static_cast<size_t>(day)] = c.Checked(Indexed("chkDate", day));
  if (!any) {
    int today = TodayBox(WeekdayNumber(LocalNow()));
    c.SetChecked(Indexed("chkDate", today), true);
    ticked[static_cast<size_t>(today)] = true;
  }
  int first = -1;
  for (int row = 0; row < list_.Count(); ++row) {
    if (!IsDue(TheApp().Patch.descriptors[RowRecord(list_, row)], ticked, TheApp().Patch.schedule)) continue;
    list_.SetChecked(row, true);
    list_.SetText(row, 9, "1");
    if (first < 0) first = row;
  }
  if (first >= 0) list_.SelectRow(first);
}

void PatchPanel::ShowWaiting(bool visible) {
  controls().Show("pica", visible);
  for (const char* button : {"cmdinst", "cmdStart", "cmdTodayS"}) controls().Enable(button, !visible);
  UpdateWindow(hwnd());
}

void PatchPanel::cmdinst_Click() {
  ShowWaiting(true);
  RunInstallScan();
  FillGroups();
  ShowWaiting(false);
}

void PatchPanel::cmdMr_Click() {
  if (TickedGames().empty()) return ShowWarning("My패치 등록 할 게임이 선택되지 않았습니다!!");
  controls().Show("List1", true);
  SetFocus(controls()["List1"]);
}

void PatchPanel::List1_Click() {
  HWND list = controls()["List1"];
  LRESULT chosen = SendMessageW(list, LB_GETCURSEL, 0, 0);
  controls().Show("List1", false);
  if (chosen < 0 || static_cast<size_t>(chosen) >= groups_.size()) return;
  AddGamesToGroup(groups_[static_cast<size_t>(chosen)].section, TickedGames());
  groups_ = LoadGroups();
  FillPatchList();
}

void PatchPanel::cmdMd_Click() {
  if (tab_ < 3 || static_cast<size_t>(tab_ - 3) >= groups_.size()) return;
  std::vector<size_t> games = TickedGames();
  if (games.empty()) return ShowWarning("My패치 삭제 할 게임이 선택되지 않았습니다!!");
  RemoveGamesFromGroup(groups_[static_cast<size_t>(tab_ - 3)].section, games);
  groups_ = LoadGroups();
  FillPatchList();
}

void PatchPanel::cmdDefault_Click() {
  std::vector<size_t> games = TickedGames();
  if (games.empty()) return ShowWarning("설치경로 일괄 변경할 게임이 선택되지 않았습니다!!");
  if (!Confirm("선택한 게임의 설치경로를 기본설치 경로로 변경하겠습니까??")) return;
  RestoreDescriptorPaths(games);
  FillPatchList();
}

void PatchPanel::cmdRok_Click() {
  std::vector<size_t> games = TickedGames();
  if (games.empty()) return ShowWarning("설치경로 일괄 변경할 게임이 선택되지 않았습니다!!");
  const Controls& c = controls();
  std::string search = c.Text("txtFind"), replacement = c.Text("txtReplace");
  if (std::string refusal = ReplaceRefusal(search, replacement); !refusal.empty()) {
    ShowWarning(refusal);
    return c.FocusAndSelect(search.empty() || search == replacement ? "txtFind" : "txtReplace");
  }
  ReplaceInInstallPaths(games, search, replacement);
  FillPatchList();
}

void PatchPanel::OnSettingsText(const std::string& text) {
  HWND servers = controls()["lstSync"];
  SendMessageW(servers, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : SyncServerItems(text)) AddItem(servers, item);
  SendMessageW(servers, CB_SETCURSEL, 0, 0);
}

void PatchPanel::cmdSync_Click() {
  int option = 0;
  for (int i = 0; i < 3; ++i)
    if (controls().Checked(Indexed("OptSync", i))) option = i;
  int server = static_cast<int>(SendMessageW(controls()["lstSync"], CB_GETCURSEL, 0, 0));
  StartGameSync(TheApp().VConnect, server, controls().Text("lstSync"), option, TickedGames());
}
