#pragma once
// The administrator login frmPass, in front of everything only the cafe owner may do. The opener
// sets the login purpose first: "SE" opens the settings window after the right password, "CA"
// only collects a settings-file password, anything else is a plain login whose result ("OK" or
// empty) the opener reads. In "CA" mode the result is the entered text, empty when cancelled.
#include <windows.h>

#include "ui/dialog.h"

class FrmPass : public Dialog {
 public:
  FrmPass() : Dialog("frmPass") {}

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnClose() override;

 private:
  bool SettingsFileMode() const;
  void cmdGAdd_Click();
  void CButton1_Click();
  void Refuse();
};

FrmPass& TheFrmPass();
// Shows the login modeless, with the dialog keys (the tray's settings item).
void OpenLogin();
// Shows it modally over owner and returns the login result (the settings-file import).
std::string RunLogin(HWND owner);
