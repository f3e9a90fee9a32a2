// Shows a soft-edged PNG as a layered window over a striped window, for a screenshot: the
// edges must blend into whatever lies below. Runs until its window is closed.
// usage: layered_window_view [PNG WIDTH HEIGHT]   (pixels; without them, a soft disc of its own)
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "images/picture.h"
#include "png_builder.h"
#include "skin/layered_window.h"
#include "store/text_codec.h"
#include "ui/window.h"

namespace {
// A 240 by 240 orange disc whose alpha falls from 255 to 0 over its outer 40 pixels.
std::string SoftDisc() {
  std::string rows;
  for (int y = 0; y < 240; ++y) {
    rows += '\0';
    for (int x = 0; x < 240; ++x) {
      const double alpha = std::clamp((120 - std::hypot(x - 119.5, y - 119.5)) / 40, 0.0, 1.0) * 255;
      rows += {'\xF0', '\x90', '\x20', static_cast<char>(std::lround(alpha))};
    }
  }
  return SimplePng(240, 240, 8, 6, rows);
}

// Four bands of 60 pixels, repeated by the brush across the window.
HBRUSH StripeBrush() {
  void* bits = nullptr;
  HBITMAP bands = CreateTopDownDib(240, 1, 32, &bits);
  const DWORD colors[] = {0x143CC8, 0x1EA03C, 0xFAFAFA, 0x0A0A0A};  // 0x00RRGGBB
  for (int x = 0; x < 240; ++x) static_cast<DWORD*>(bits)[x] = colors[x / 60];
  return CreatePatternBrush(bands);
}

class Plain : public Window {
 public:
  Plain(const char* name, WindowOptions options) : Window(name), options_(std::move(options)) {}

 protected:
  WindowOptions Options() const override { return options_; }

 private:
  WindowOptions options_;
};
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring path;
  int width = 240, height = 240;
  if (argc == 4) {
    path = argv[1], width = _wtoi(argv[2]), height = _wtoi(argv[3]);
  } else {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path = std::wstring(temp) + L"soft-disc.png";
    std::ofstream(path.c_str(), std::ios::binary) << SoftDisc();
  }
  LocalFree(argv);
  WindowOptions below;
  below.style = WS_POPUP | WS_VISIBLE;
  below.x = 0, below.y = 0, below.width = 480, below.height = 360;
  WindowOptions above = below;
  below.background = StripeBrush();
  above.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  above.x = 120, above.y = 60, above.width = above.height = 10;
  Plain stripes("frmStripes", below), floating("frmFloating", above);
  stripes.Load();
  floating.Load();
  LayeredWindow layered;
  layered.MakeTrans(Narrow(path), floating.hwnd(), width * 15, height * 15);
  MSG msg;
  while (stripes.IsLoaded() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  layered.UnloadPNGForm();
  return 0;
}
