#pragma once
// The recovery-mode dialog frmRSetRec: manual, every boot, every day or every N days. OK leaves
// the chosen code in the process-wide recovery-mode code; closing leaves it as it was.
#include <windows.h>

#include "ui/dialog.h"

class FrmRSetRec : public Dialog {
 public:
  FrmRSetRec() : Dialog("frmRSetRec") {}

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;

 private:
  void Preselect();
  void cmdGAdd_Click();
};

// Shows the dialog modally over owner.
void ShowFrmRSetRec(HWND owner);
