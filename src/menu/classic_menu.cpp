#include "menu/classic_menu.h"

#include "menu/frm_main.h"

void OpenFrmMain() {
  FrmMain& window = TheFrmMain();
  if (!window.Load()) return;
  // Shown and drawn before the first activation fills the list, so the menu is there at once.
  ShowWindow(window.hwnd(), SW_SHOWNA);
  UpdateWindow(window.hwnd());
  SetForegroundWindow(window.hwnd());
  if (GetActiveWindow() != window.hwnd()) SetActiveWindow(window.hwnd());
}
