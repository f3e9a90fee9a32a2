#pragma once
// The patch run window: every game of a run with its outcome, the failed and stopped games to
// run again, and in live mode the run followed every 1500 ms until the engine has finished. The
// retry list is rebuilt only when its games change, so the owner's ticks survive the steps.
#include <string>
#include <vector>

#include "images/picture.h"
#include "patch/run_log_rules.h"
#include "ui/report_list.h"
#include "ui/window.h"

class FrmPatchLog : public Window {
 public:
  enum Control { lvwLst = 100, lvwLst1, cmdOK, cmdClose, cmdAll, cmdAllN, lblrst, lblTitle, Pbar };
  static constexpr UINT_PTR Timer1 = 1;
  static constexpr UINT kFollowMs = 1500;

  FrmPatchLog() : Window("frmPatchLog") {}

  bool Live() const { return live_; }
  const std::vector<RunRecord>& Records() const { return records_; }
  ReportList& Games() { return games_; }
  ReportList& RetryList() { return retry_; }
  std::string ButtonTag() const { return buttonTag_; }

  void ShowRun(bool refresh);
  void FollowRun();
  void cmdOK_Click();

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnUnload() override;
  void OnTimer(UINT_PTR id) override;
  void OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void SetButton(const std::string& tag);
  void SetProgress(size_t done, size_t total);
  void FinishRun();
  void StartRetry();
  void Paint(HDC dc);
  void MakeBackgroundBrush();
  void FillRetryList(std::vector<size_t> retry);

  struct ShownRow {
    std::string word, etime;
  };

  bool live_ = false;
  unsigned loads_ = 0;
  std::vector<RunRecord> records_;
  std::vector<size_t> retryRecords_;  // record index per retry row
  std::vector<ShownRow> shown_;       // what each game's row shows, by record
  size_t shownInProgress_ = 0;        // the record last shown as in progress
  std::string buttonTag_ = "STRT";
  ReportList games_, retry_;
  Picture background_;
  HBRUSH backgroundBrush_ = nullptr;
};

// Opens the run window over the run named (the current run, followed live, when empty).
void ShowPatchLog(const std::string& argument);
// The open run window, or null.
FrmPatchLog* OpenPatchLog();
