#pragma once
// The server address dialog: four boxes, one per octet, for the address of the cafe server.
// On success it leaves the login purpose at "OK".
#include <array>
#include <string>

#include "ui/picture_button.h"
#include "ui/window.h"

class FrmSIp : public Window {
 public:
  enum Control { txtIP = 100, cmdGAdd = 110, Command1 = 111, CButton1 = 112 };

  FrmSIp() : Window("frmSIp") {}
  HWND Box(int index) const { return boxes_[static_cast<size_t>(index)]; }
  std::string BoxText(int index) const;

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnCommand(int id, int code, HWND control) override;

 private:
  static LRESULT CALLBACK BoxProcedure(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                       DWORD_PTR self);
  void CreateControls();
  void FillFromRegistry();
  void FocusBox(int index) const;
  void cmdGAdd_Click();
  void Command1_Click();

  std::array<HWND, 4> boxes_{};
  PictureButton ok_, close_;
  bool filling_ = false;  // box changes made by the program are not typing
};

// Shows the dialog modally over owner.
void ShowFrmSIp(HWND owner);
