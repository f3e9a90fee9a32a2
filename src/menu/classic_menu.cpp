#include "menu/classic_menu.h"

#include "menu/frm_main.h"

void OpenFrmMain() {
  FrmMain& window = TheFrmMain();
  if (!window.Load()) return;
  ShowWindow(window.hwnd(), SW_SHOW);
  SetForegroundWindow(window.hwnd());
}
