#include "ui/modal.h"

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
    if (IsDialogMessageW(form.hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}
}  // namespace

void ShowModal(Window& form, HWND owner) {
  if (!form.Load()) return;
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
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

void SetModalDriver(ModalDriver driver) { Driver() = std::move(driver); }
