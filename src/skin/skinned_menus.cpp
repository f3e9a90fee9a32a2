#include "skin/skinned_menus.h"

#include "skin/frm_main2.h"
#include "skin/skinned_menu.h"

namespace {
void LoadAndShow(Window& window) {
  if (!window.Load()) return;
  ShowWindow(window.hwnd(), SW_SHOW);
  SetForegroundWindow(window.hwnd());
}
}  // namespace

void ShowFrmMain4() { LoadAndShow(TheFrmMain4()); }
void ShowFrmMain3() { LoadAndShow(TheFrmMain3()); }
void ShowFrmMain2() { LoadAndShow(TheFrmMain2()); }
