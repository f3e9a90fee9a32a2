#include "skin/window_shape.h"

void SetWindowColorKey(HWND window, COLORREF color) {
  SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, color, 0, LWA_COLORKEY);
}

void SetRoundWindowRegion(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  HRGN region = CreateRoundRectRgn(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, 5, 5);
  // The window owns the region from here on.
  SetWindowRgn(window, region, TRUE);
}

void DragWindow(HWND window, int button) {
  if (button != 1) return;
  ReleaseCapture();
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}
