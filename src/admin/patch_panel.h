#pragma once
// The game-patch panel of the settings window, and in synchronisation mode its game-sync panel:
// every patchable game with the owner's settings, tabs by kind and by patch group, the week's
// schedule, the install scan, patch runs, groups, path editors and handing games to a sync server.
#include <string>
#include <vector>

#include "admin/env_panel.h"
#include "patch/group_rules.h"
#include "patch/patch_list_rules.h"
#include "ui/report_list.h"

class PatchPanel : public EnvPanel {
 public:
  static constexpr UINT_PTR kTimer1 = 1;  // waits for the agent's descriptor archive

  explicit PatchPanel(bool syncMode) : EnvPanel(syncMode ? "pnlSync" : "pnlPatch"), syncMode_(syncMode) {}

  // OpenPatchPanel: asks the agent for a fresh archive and loads once it is there (the sync panel
  // loads at once).
  void Prepare() override;
  // SyncSvrLst: the sync servers the agent sends.
  void OnSettingsText(const std::string& text) override;

  bool SyncMode() const { return syncMode_; }
  ReportList& List() { return list_; }
  // The descriptor record indexes of the ticked rows, in list order.
  std::vector<size_t> TickedGames() const;
  void LoadPanelData();
  void FillPatchList();
  void FillGroups();
  void SelectTab(int index);
  void cmdStart_Click();
  void cmdTodayS_Click();
  void cmdToDay_Click();
  void cmdinst_Click();
  void cmdOk1_Click();
  void cmdMr_Click();
  void List1_Click();
  void cmdMd_Click();
  void cmdDefault_Click();
  void cmdRok_Click();
  void cmdSync_Click();

 protected:
  void OnLoad() override;
  void OnTimer(UINT_PTR id) override;

 private:
  void lvwGPLst_Click();
  void ShowWaiting(bool visible);
  void ShowSelected(size_t index);
  size_t SelectedGame() const;
  PatchColumns Columns() const;
  void DrawDayBoxes();

  bool syncMode_;
  ReportList list_;
  std::vector<PatchGroup> groups_;
  int tab_ = 0;
  int waitCount_ = 1;
};
