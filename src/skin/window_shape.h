#pragma once
// Window shaping for the skinned menu windows: a colour cut out, rounded corners, and dragging
// a window that has no caption.
#include <windows.h>

// Makes the window layered and transparent wherever it paints exactly `color`.
void SetWindowColorKey(HWND window, COLORREF color);
// Gives the window an outline with rounded corners.
void SetRoundWindowRegion(HWND window);
// From a mouse-move handler: while the left button (1) is held, the platform moves the window.
void DragWindow(HWND window, int button);
