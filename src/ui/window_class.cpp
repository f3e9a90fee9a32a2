#include "ui/window_class.h"

bool RegisterWindowClassOnce(const WindowClassOptions& options) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (GetClassInfoExW(instance, options.name, &windowClass)) return true;
  windowClass.style = options.style;
  windowClass.lpfnWndProc = options.procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, options.cursor);
  windowClass.hbrBackground = options.background;
  windowClass.lpszClassName = options.name;
  return RegisterClassExW(&windowClass) != 0;
}
