#pragma once
// The patch group editor: the owner's groups by name, a new group or a new name for the one
// clicked, and deleting one.
#include <string>
#include <vector>

#include "patch/group_rules.h"
#include "ui/report_list.h"
#include "ui/window.h"

class FrmPatchGroup : public Window {
 public:
  enum Control { lvwLst = 100, txtCate, cmdOK, cmdDel, cmdClose };

  FrmPatchGroup() : Window("frmPatchGroup") {}

  ReportList& List() { return list_; }
  void SetName(const std::string& name);
  void SelectGroup(int row);
  void cmdOK_Click();
  void cmdDel_Click();

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void LoadList();
  std::string Name() const;

  ReportList list_;
  std::vector<PatchGroup> groups_;
  std::string editing_;  // the section of the group clicked, "" for a new one
};

// Shows the editor modally over owner.
void ShowFrmPatchGroup(HWND owner);
