#pragma once
// The about window frmAbout, opened from the tray menu: the program's name and version.
#include "ui/dialog.h"

class FrmAbout : public Dialog {
 public:
  FrmAbout() : Dialog("frmAbout") {}

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
};

// Shows it modeless, or brings it to the front when it is open.
void OpenAbout();
