#pragma once
// What every window class of the program shares: registration once per name, and the C++
// object of a window kept in its user data from creation on.
#include <windows.h>

struct WindowClassOptions {
  const wchar_t* name;
  WNDPROC procedure;
  UINT style = 0;
  LPCWSTR cursor = IDC_ARROW;
  HBRUSH background = nullptr;
};

bool RegisterWindowClassOnce(const WindowClassOptions& options);

// The object passed as creation parameter, bound to the window at WM_NCCREATE; null before
// that and after Unbind.
template <class T>
T* BoundObject(HWND hwnd, UINT msg, LPARAM lParam) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

inline void Unbind(HWND hwnd) { SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0); }
