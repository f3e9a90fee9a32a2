#pragma once
// The server address dialog: four boxes, one per octet, for the address of the cafe server.
// On success it leaves the login purpose at "OK".
#include <string>

#include "ui/dialog.h"

class FrmSIp : public Dialog {
 public:
  FrmSIp() : Dialog("frmSIp") {}
  // The box of one octet, 0 to 3 (txtIP(0) .. txtIP(3)).
  HWND Box(int index) const;
  std::string BoxText(int index) const;

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;

 private:
  static LRESULT CALLBACK BoxProcedure(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                       DWORD_PTR self);
  void FillFromRegistry();
  void FocusBox(int index) const;
  void BoxChanged(int index);
  void cmdGAdd_Click();
  void Command1_Click();

  bool filling_ = false;  // box changes made by the program are not typing
};

// Shows the dialog modally over owner.
void ShowFrmSIp(HWND owner);
