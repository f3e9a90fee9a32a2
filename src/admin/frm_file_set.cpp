#include "admin/frm_file_set.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "admin/frm_pass.h"
#include "admin/key_kinds.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/checks.h"
#include "ui/message_box.h"
#include "ui/modal.h"
#include "upkeep/program_archives.h"

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kNameStep = 5, kNetworkStep = 6;
constexpr const char* kNetworkFailed = "네트워크 설정 실패!!";

const std::vector<ControlSpec>& Table() {
  static const std::vector<ControlSpec> table = [] {
    const char* steps[] = {"스타크래프트 시디키", "워크래프트3 시디키", "프로즌쓰론 시디키", "디아블로2 시디키",
                           "디아블로2 확장팩 시디키", "컴퓨터 이름", "네트워크 설정"};
    std::vector<ControlSpec> rows = {
        {"lblPc", 100, WC_STATICW, SS_LEFT | SS_CENTERIMAGE, {300, 300, 900, 330}, "PC번호"},
        {"txtPc", 101, WC_EDITW, ES_NUMBER | ES_AUTOHSCROLL, {1200, 300, 900, 330}},
        {"fraSteps", 102, WC_BUTTONW, BS_GROUPBOX, {300, 780, 6000, 2100}, "작업 항목"},
    };
    TwipsGrid grid{525, 1095, 2700, 330, 75};
    for (int i = 0; i < 7; ++i)
      rows.push_back({Indexed("Check1", i), 110 + i, WC_BUTTONW, BS_AUTOCHECKBOX, grid.Cell(i % 2, i / 2), steps[i]});
    rows.push_back({"Check2", 120, WC_BUTTONW, BS_AUTOCHECKBOX, {300, 3000, 6000, 330}, "작업이 끝나면 창 닫기"});
    rows.push_back({"Label5", 121, WC_STATICW, SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, {300, 3420, 6000, 330}});
    rows.push_back({"List1", 122, WC_LISTBOXW, WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, {300, 3810, 6000, 1110}});
    rows.push_back({"cmdGAdd", 123, nullptr, 0, {3450, 5130, 1350, 420}, "시작", "CMDOK00"});
    rows.push_back({"CButton1", 124, nullptr, 0, {4950, 5130, 1350, 420}, "닫기", "Exit"});
    return rows;
  }();
  return table;
}

std::string TwoDigits(int number) {
  char text[16];
  std::snprintf(text, sizeof(text), "%02d", number);
  return text;
}
}  // namespace

WindowOptions FrmFileSet::Options() const {
  return CenteredWindowOptions("클라이언트 설정 가져오기", kStyle, 6600, 5730);
}

void FrmFileSet::OnLoad() {
  CreateControls(Table());
  for (int i = 0; i < 7; ++i) controls().SetChecked(Indexed("Check1", i), true);
  SendMessageW(controls()["txtPc"], EM_LIMITTEXT, 4, 0);
  OnClick("cmdGAdd", [this] { cmdGAdd_Click(); });
  OnClick("CButton1", [this] { Unload(); });
  UseDialogKeys("cmdGAdd", "CButton1");
  TheApp().FileSetResult = "NO";
  if (!LoadSettingsFile()) Unload();
}

bool FrmFileSet::LoadSettingsFile() {
  SendMessageW(controls()["List1"], LB_RESETCONTENT, 0, 0);
  const std::string& folder = TheApp().ProgramFolder;
  if (!FileExists(JoinPath(folder, "Tessel.Pwk"))) {
    ShowWarning("클라이언트 설정 파일(Tessel.PWK)이 존재하지 않습니다!!\r\n"
                "Tessel 서버에서 [메뉴]->[파일]->[클라이언트 설정(IP,시디키) 내보내기]를 하시면 클라이언트 "
                "설정파일이 생성됩니다.\r\n"
                "생성된 파일을 현재 PC의 " + folder + " 폴더에 넣어주십시오");
    return false;
  }
  settings_.reset();
  if (ExtractArchive('I')) settings_ = ReadSettingsInfo(JoinPath(folder, "Skin\\htm\\info.ini"));
  if (settings_) return true;
  ShowWarning("클라이언트 설정 파일 로드 하는데 실패 하였습니다!!");
  return false;
}

void FrmFileSet::cmdGAdd_Click() {
  if (!settings_ || change_.Running()) return;
  std::string typed = Trim(controls().Text("txtPc"));
  long long pc = ParseLeadingNumber(typed);
  if (!RunChecks(controls(), {{"txtPc", [&] { return !typed.empty(); }, "PC번호를 입력하세요!!", "입력에러"},
                              {"txtPc", [&] { return pc >= 1 && pc <= settings_->count; }, "PC번호를 다시 입력하세요!!",
                               "입력에러"}}))
    return;
  TheApp().LoginPurpose = "CA";
  std::string password = RunLogin(hwnd());
  if (password.empty()) return;
  if (password != settings_->password) return ShowWarning("비밀번호가 일치하지 않습니다.");
  RunSteps(static_cast<int>(pc));
}

void FrmFileSet::RunSteps(int pc) {
  EnableButtons(false);
  SendMessageW(controls()["List1"], LB_RESETCONTENT, 0, 0);
  auto found = settings_->pcs.find(pc);
  PcSettings record = found == settings_->pcs.end() ? PcSettings{} : found->second;
  ChangeKeys(pc, record);
  if (controls().Checked(Indexed("Check1", kNameStep))) {
    Progress("컴퓨터 이름 변경중..");
    SetComputerName(settings_->prefix, TwoDigits(pc));
  }
  if (controls().Checked(Indexed("Check1", kNetworkStep))) return StartNetwork(record);
  Finish();
}

void FrmFileSet::ChangeKeys(int pc, const PcSettings& record) {
  const auto& kinds = KeyKinds();
  for (size_t i = 0; i < kinds.size(); ++i) {
    if (!controls().Checked(Indexed("Check1", static_cast<int>(i)))) continue;
    const KeyKind& kind = kinds[i];
    Progress(kind.progress);
    std::string folder = InstallFolder(kind);
    if (folder.empty()) {
      AddResult(kind.noFolder);
    } else if (record.keys[i].empty()) {
      AddResult(kind.noKey);
    } else if (!ChangeKey(kind, folder, record.keys[i], pc)) {
      AddResult(kind.failed);
    } else {
      RegWriteString(HKEY_CURRENT_USER, std::string(kTesselKey) + "\\CKEY", kind.code, "1");
    }
  }
}

void FrmFileSet::StartNetwork(const PcSettings& record) {
  Progress("네트워크 설정중..");
  EndCommandInterpreters();
  if (record.ip.empty()) {
    AddResult(kNetworkFailed);
    return Finish();
  }
  IpTarget target{record.ip, settings_->mask, settings_->gateway, settings_->dns1, settings_->dns2, {}, {}};
  if (!change_.Start(target)) {
    AddResult(kNetworkFailed);
    return Finish();
  }
  SetTimer(hwnd(), kTimer1, 1000, nullptr);
}

void FrmFileSet::OnTimer(UINT_PTR id) {
  if (id == kTimer1) Timer1_Timer();
}

void FrmFileSet::Timer1_Timer() {
  if (change_.Running()) return;
  KillTimer(hwnd(), kTimer1);
  std::optional<IpTarget> target = change_.TakeTarget();
  if (!target) return;
  if (!EnsureIpAddress(*target)) AddResult(kNetworkFailed);
  Finish();
}

void FrmFileSet::Finish() {
  EnableButtons(true);
  Progress("");
  if (controls().Checked("Check2") && ResultCount() == 0) {
    TheApp().FileSetResult = "OK";
    return Unload();
  }
  TheApp().FileSetResult = "NO";
}

void FrmFileSet::Progress(const char* text) {
  controls().SetText("Label5", text);
  UpdateWindow(controls()["Label5"]);
}

void FrmFileSet::AddResult(const std::string& line) {
  SendMessageW(controls()["List1"], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
}

int FrmFileSet::ResultCount() const {
  return static_cast<int>(SendMessageW(controls()["List1"], LB_GETCOUNT, 0, 0));
}

void FrmFileSet::EnableButtons(bool enabled) {
  controls().Enable("cmdGAdd", enabled);
  controls().Enable("CButton1", enabled);
}

void ShowFrmFileSet(HWND owner) {
  FrmFileSet dialog;
  ShowModal(dialog, owner);
}
