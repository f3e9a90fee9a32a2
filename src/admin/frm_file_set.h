#pragma once
// The client settings file import frmFileSet: the owner types this PC's number and the window
// sets its CD keys, computer name and network from the record the cafe's server exported for that
// number in Tessel.Pwk, listing every step that could not be done. Its result, the process-wide
// settings-file result, is "OK" when it closed itself after a clean run, else "NO".
#include <windows.h>

#include <optional>

#include "admin/settings_info.h"
#include "ui/dialog.h"
#include "upkeep/network_identity.h"

class FrmFileSet : public Dialog {
 public:
  static constexpr UINT_PTR kTimer1 = 1;  // polls the end of the network batch

  FrmFileSet() : Dialog("frmFileSet") {}
  const std::optional<SettingsInfo>& Settings() const { return settings_; }

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnTimer(UINT_PTR id) override;

 private:
  bool LoadSettingsFile();
  void cmdGAdd_Click();
  void RunSteps(int pc);
  void ChangeKeys(int pc, const PcSettings& record);
  void StartNetwork(const PcSettings& record);
  void Timer1_Timer();
  void Finish();
  void Progress(const char* text);
  void AddResult(const std::string& line);
  int ResultCount() const;
  void EnableButtons(bool enabled);

  std::optional<SettingsInfo> settings_;
  IpBatchChange change_;  // the network step, from the batch to Timer1's end
};

// Shows the import modally over owner.
void ShowFrmFileSet(HWND owner);
