#include "patch/frm_patch_log.h"

#include <commctrl.h>

#include <memory>

#include "patch/patch_data.h"
#include "patch/patch_run.h"
#include "state/app_state.h"
#include "store/agent_channel.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/error_trap.h"
#include "ui/form_registry.h"
#include "ui/message_box.h"

namespace {
constexpr int kWidth = 640, kHeight = 430;

HWND Child(HWND parent, const wchar_t* kind, const std::string& text, DWORD style, int x, int y, int width,
           int height, int id) {
  HWND child = CreateWindowExW(0, kind, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                               nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void SetText(HWND control, const std::string& text) { SetWindowTextW(control, Widen(text).c_str()); }

bool EngineRunning() { return FindWindowW(nullptr, L"VdGp") != nullptr; }

std::unique_ptr<FrmPatchLog>& Instance() {
  static std::unique_ptr<FrmPatchLog> window;
  return window;
}
}  // namespace

WindowOptions FrmPatchLog::Options() const {
  WindowOptions options;
  options.caption = "게임 패치";
  options.style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
  options.width = kWidth;
  options.height = kHeight;
  options.x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  options.y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  return options;
}

void FrmPatchLog::OnLoad() {
  ++loads_;
  live_ = TheApp().Patch.runWindowArgument.empty();
  background_ = LoadPicture(JoinPath(TheApp().ProgramFolder, "Skin\\Default\\LogoBack02.jpg"));
  MakeBackgroundBrush();
  CreateControls();
  records_ = LoadRun(TheApp().Patch.runWindowArgument);
  shownInProgress_ = 0;
  ShowWindow(hwnd(), SW_SHOW);
  ShowRun(false);
  if (live_) {
    EnableWindow(GetDlgItem(hwnd(), cmdClose), FALSE);
    SetButton("STOP");
    ShowWindow(GetDlgItem(hwnd(), lblrst), SW_SHOW);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetTimer(hwnd(), Timer1, kFollowMs, nullptr);
  }
}

void FrmPatchLog::OnUnload() {
  KillTimer(hwnd(), Timer1);
  if (backgroundBrush_) DeleteObject(backgroundBrush_);
  backgroundBrush_ = nullptr;
}

// The background as a brush, so that labels show the picture behind them and are cleared when
// their text changes.
void FrmPatchLog::MakeBackgroundBrush() {
  RECT area;
  GetClientRect(hwnd(), &area);
  HDC screen = GetDC(hwnd());
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  Paint(memory);
  SelectObject(memory, old);
  backgroundBrush_ = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(hwnd(), screen);
}

void FrmPatchLog::CreateControls() {
  Child(hwnd(), L"STATIC", "진행 현황", SS_LEFT, 16, 12, 400, 20, lblTitle);
  games_.Create(hwnd(), lvwLst, {16, 40, 400, 330}, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  games_.AddColumn("게임명", 170);
  games_.AddColumn("결과", 80);
  games_.AddColumn("완료시간", 130);
  Child(hwnd(), L"STATIC", "재시도 목록", SS_LEFT, 428, 16, 196, 20, 0);
  retry_.Create(hwnd(), lvwLst1, {428, 40, 624, 290}, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  retry_.AddColumn("게임명", 170);
  Child(hwnd(), L"BUTTON", "전체선택", BS_PUSHBUTTON | WS_TABSTOP, 428, 298, 96, 26, cmdAll);
  Child(hwnd(), L"BUTTON", "선택해제", BS_PUSHBUTTON | WS_TABSTOP, 528, 298, 96, 26, cmdAllN);
  Child(hwnd(), L"BUTTON", "패치시작", BS_PUSHBUTTON | WS_TABSTOP, 428, 340, 96, 30, cmdOK);
  Child(hwnd(), L"BUTTON", "닫기", BS_PUSHBUTTON | WS_TABSTOP, 528, 340, 96, 30, cmdClose);
  Child(hwnd(), PROGRESS_CLASSW, "", 0, 16, 382, 400, 18, Pbar);
  HWND result = Child(hwnd(), L"STATIC", "패치 진행중...", SS_LEFT, 428, 382, 196, 20, lblrst);
  ShowWindow(result, SW_HIDE);
}

void FrmPatchLog::SetButton(const std::string& tag) {
  buttonTag_ = tag;
  SetText(GetDlgItem(hwnd(), cmdOK), tag == "STOP" ? "패치중지" : "패치시작");
}

void FrmPatchLog::ShowRun(bool refresh) {
  if (!refresh) {
    games_.Clear();
    shown_.assign(records_.size(), {});
    for (size_t i = 1; i < records_.size(); ++i) games_.AddRow(records_[i].gname, static_cast<LPARAM>(i));
  }
  std::vector<size_t> retry;
  size_t inProgress = 0;
  for (size_t i = 1; i < records_.size(); ++i) {
    const RunRecord& record = records_[i];
    if (GoesToRetryList(record)) retry.push_back(i);
    // Only what changed is written: a step over a long run touches a few rows.
    ShownRow row{OutcomeWord(record), record.etime};
    if (row.word == "진행중") inProgress = i;
    if (row.word != shown_[i].word) games_.SetText(static_cast<int>(i - 1), 1, row.word);
    if (row.etime != shown_[i].etime) games_.SetText(static_cast<int>(i - 1), 2, row.etime);
    shown_[i] = std::move(row);
  }
  if (!refresh || retry != retryRecords_) FillRetryList(std::move(retry));
  if (refresh && inProgress && inProgress != shownInProgress_) games_.SelectRow(static_cast<int>(inProgress - 1));
  if (inProgress) shownInProgress_ = inProgress;
}

void FrmPatchLog::FillRetryList(std::vector<size_t> retry) {
  retry_.Clear();
  retryRecords_ = std::move(retry);
  for (size_t i : retryRecords_) retry_.AddRow(records_[i].gname, static_cast<LPARAM>(i));
}

void FrmPatchLog::SetProgress(size_t done, size_t total) {
  HWND bar = GetDlgItem(hwnd(), Pbar);
  SendMessageW(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(total));
  SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(done), 0);
  SetText(GetDlgItem(hwnd(), lblTitle), "진행 현황( " + std::to_string(done) + "/" + std::to_string(total) + " )");
}

void FrmPatchLog::FollowRun() {
  KillTimer(hwnd(), Timer1);
  size_t total = records_.size() - 1;
  if (total == 0) return;
  FollowRunFile(CurrentRunLogFile(), records_);
  size_t done = 0;
  for (size_t i = 1; i < records_.size(); ++i) done += records_[i].state.empty() ? 0 : 1;
  ShowRun(true);
  SetProgress(done, total);
  if (done == total && !EngineRunning()) return FinishRun();
  SetTimer(hwnd(), Timer1, kFollowMs, nullptr);
}

void FrmPatchLog::FinishRun() {
  EnableWindow(GetDlgItem(hwnd(), cmdClose), TRUE);
  HWND result = GetDlgItem(hwnd(), lblrst);
  SetText(result, "패치 완료");
  ShowWindow(result, SW_SHOW);
  SetButton("STRT");
  bool anyFailed = false;
  for (size_t i = 1; i < records_.size(); ++i) anyFailed |= records_[i].state == "F";
  if (RegReadDword(HKEY_CURRENT_USER, kTesselKey, "GPLoc") == 1 && !anyFailed) Unload();
}

void FrmPatchLog::cmdOK_Click() {
  if (buttonTag_ == "STOP") {
    SendToAgent("GPC", kAgentCommand);
    SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return;
  }
  StartRetry();
}

void FrmPatchLog::StartRetry() {
  if (retry_.Count() == 0) return;
  std::vector<std::string> ticked;
  for (int row = 0; row < retry_.Count(); ++row)
    if (retry_.Checked(row)) ticked.push_back(records_[retryRecords_[static_cast<size_t>(row)]].section);
  if (ticked.empty()) return ShowWarning("패치 할 게임이 지정되지 않았습니다!!");
  LoadPatchData();
  if (TheApp().Patch.DescriptorCount() == 0) return ShowWarning("패치정보를 로드 하는데 실패 하였습니다!!");
  std::vector<size_t> games;
  for (const std::string& section : ticked)
    if (size_t index = FindDescriptor(section)) games.push_back(index);
  unsigned loadsBefore = loads_;
  // The agent may already have shown the window again on the new run while the start was sent.
  if (StartRun(games, RunSource::RunWindow) && loads_ == loadsBefore) Unload();
}

void FrmPatchLog::OnTimer(UINT_PTR id) {
  if (id == Timer1) FollowRun();
}

void FrmPatchLog::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id == cmdOK) cmdOK_Click();
  if (id == cmdClose) Unload();
  if (id == cmdAll) retry_.CheckAll(true);
  if (id == cmdAllN) retry_.CheckAll(false);
}

void FrmPatchLog::Paint(HDC dc) {
  RECT area;
  GetClientRect(hwnd(), &area);
  if (background_) return DrawPicture(dc, background_, area);
  FillRect(dc, &area, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

std::optional<LRESULT> FrmPatchLog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_CTLCOLORSTATIC: {
      HWND label = reinterpret_cast<HWND>(lParam);
      if (label == GetDlgItem(hwnd(), Pbar) || !backgroundBrush_) return std::nullopt;
      RECT place;
      GetWindowRect(label, &place);
      MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
      SetBkMode(dc, TRANSPARENT);
      // Light text on the skin's dark picture, the system's text colour without one.
      SetTextColor(dc, background_ ? RGB(232, 237, 245) : GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(backgroundBrush_);
    }
    case WM_NCHITTEST: {  // dragged by its body and its title label
      LRESULT hit = DefWindowProcW(hwnd(), msg, wParam, lParam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    default:
      return std::nullopt;
  }
}

void ShowPatchLog(const std::string& argument) {
  // One window object for the process: a handler of the old window may still be running when the
  // agent's "GPS" shows the window again.
  if (!Instance()) Instance() = std::make_unique<FrmPatchLog>();
  Instance()->Unload();
  TheApp().Patch.runWindowArgument = argument;
  Instance()->Load();
}

FrmPatchLog* OpenPatchLog() {
  return Instance() && Instance()->IsLoaded() ? Instance().get() : nullptr;
}
