#pragma once
// The CD-key and recovery panel of the settings window: which games' CD keys the agent changes
// (for this PC or a chosen one), the automatic CD-key modes, and the recovery buttons.
#include "admin/env_panel.h"

class CdKeyPanel : public EnvPanel {
 public:
  CdKeyPanel() : EnvPanel("pnlCdKey") {}
  void Prepare() override;

 protected:
  void OnLoad() override;

 private:
  void FillPcChoice();
  void SetRecoveryButtons();
  void TickAll(bool ticked);
  bool ConnectedAfterHidingMenus() const;
  void CmdCDAuto_Click(int index);
  void cmdCDOK_Click();
};
