#include "ui/modal.h"

#include "store/message_loop.h"
#include "ui/dialog_keys.h"

namespace {
ModalDriver& Driver() {
  static ModalDriver driver;
  return driver;
}

void RunUntilUnloaded(Window& form) {
  MSG msg;
  while (form.IsLoaded()) {
    int got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns the process
      break;
    }
    DispatchQueuedMessage(msg);
  }
}
}  // namespace

void ShowModal(Window& form, HWND owner) {
  if (!form.Load()) return;
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  UseDialogKeys(form.hwnd());
  ShowWindow(form.hwnd(), SW_SHOW);
  if (Driver())
    Driver()(form);
  else
    RunUntilUnloaded(form);
  form.Unload();
  if (ownerWasEnabled) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
}

void ShowModeless(Window& form, int show) {
  if (!form.Load()) return;
  ShowWindow(form.hwnd(), show);
  SetForegroundWindow(form.hwnd());
}

void SetModalDriver(ModalDriver driver) { Driver() = std::move(driver); }
