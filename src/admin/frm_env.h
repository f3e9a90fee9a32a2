#pragma once
// The settings window frmEnv: a column of picture tab buttons, each showing one panel (the tab
// table is env_tabs.h), and the frame's own buttons that ask the agent for work. Opened only
// after a successful administrator login.
#include <memory>
#include <string>
#include <vector>

#include "admin/env_panel.h"
#include "ui/dialog.h"

class FrmEnv : public Dialog {
 public:
  FrmEnv() : Dialog("frmEnv") {}

  int CurrentTab() const { return current_; }
  // The panel of a tab; null for a tab without one.
  EnvPanel* Panel(int index) const;
  // A press on tab button cmdTBtn(index).
  void cmdTBtn_Click(int index);

  // The agent's "IPS" and "GF", and its class-10 texts: for the panels, while the window is visible.
  void ReceiveAgentCommand(const std::string& command);
  void ReceiveSettingsText(const std::string& text);

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnUnload() override;

 private:
  EnvContext MakeContext();
  void CreatePanels();
  void ShowTabPictures(int index, bool selected) const;
  void SelectTab(int index);
  void RunFolderMirroring(int index);
  void ApplyWide();
  void cmdPinfo_Click();
  void cmdIconSvr_Click();
  void cmdUpGrade_Click();

  std::vector<std::unique_ptr<EnvPanel>> panels_;
  int current_ = -1;
};

FrmEnv& TheFrmEnv();
// Loads and shows the settings window on tab 0, or brings it to the front when it is open.
void OpenSettingsWindow();
