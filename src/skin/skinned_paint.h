#pragma once
// The skinned windows paint themselves whole from their pictures: nothing is erased first, and
// WM_PRINTCLIENT (which their buttons send for what lies behind transparent pictures) draws the
// same as WM_PAINT. The answer for those three messages; nothing for any other.
#include <windows.h>

#include <optional>

template <class Draw>
std::optional<LRESULT> PaintWhole(HWND window, UINT msg, WPARAM wParam, Draw&& draw) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PRINTCLIENT:
      draw(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      draw(dc);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return std::nullopt;
  }
}
