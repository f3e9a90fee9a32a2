#pragma once
// LayeredWindow: turns a top-level window into a per-pixel-alpha layered window that shows one
// PNG file, decoded and drawn by GDI+. One object per floating window; the owner calls
// UnloadPNGForm when its window unloads.
#include <windows.h>

#include <cstdint>
#include <string>

class LayeredWindow {
 public:
  LayeredWindow();
  ~LayeredWindow();
  LayeredWindow(const LayeredWindow&) = delete;
  LayeredWindow& operator=(const LayeredWindow&) = delete;

  // Shows the PNG at `path` as the whole of `window`, sized width by height twips. The window
  // keeps its place; a missing file changes nothing.
  void MakeTrans(const std::string& path, HWND window, int32_t width, int32_t height);
  // Shuts GDI+ down again.
  void UnloadPNGForm();

 private:
  void StartGdiplus();

  ULONG_PTR token_ = 0;
  int startupStatus_ = -1;
  // The window's opacity comes from the picture's own alpha alone.
  BLENDFUNCTION blend_{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
};
