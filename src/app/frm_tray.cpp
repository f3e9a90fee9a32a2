#include "app/frm_tray.h"

WindowSpec FrmTray::Spec() const {
  WindowSpec spec;
  spec.caption = "Tessel";
  spec.style = 0;
  spec.parent = HWND_MESSAGE;
  return spec;
}

void FrmTray::OnUnload() { PostQuitMessage(0); }

FrmTray& TheFrmTray() {
  static FrmTray tray;
  return tray;
}
