#pragma once
// The hidden tray agent window. Its unload ends the process.
#include "ui/window.h"

class FrmTray : public Window {
 public:
  FrmTray() : Window("FrmTray") {}

 protected:
  WindowSpec Spec() const override;
  void OnUnload() override;
};

FrmTray& TheFrmTray();
