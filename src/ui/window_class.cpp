#include "ui/window_class.h"

bool RegisterWindowClassOnce(const WindowClassSpec& spec) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (GetClassInfoExW(instance, spec.name, &windowClass)) return true;
  windowClass.style = spec.style;
  windowClass.lpfnWndProc = spec.procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, spec.cursor);
  windowClass.hbrBackground = spec.background;
  windowClass.lpszClassName = spec.name;
  return RegisterClassExW(&windowClass) != 0;
}
