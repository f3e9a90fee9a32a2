// Shows a soft-edged PNG as a layered window over a striped window, for a screenshot: the
// edges must blend into whatever lies below. Runs until its window is closed.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>

#include "png_builder.h"
#include "skin/layered_window.h"
#include "ui/window.h"

namespace {
// A 240 by 240 orange disc whose alpha falls from 255 to 0 over its outer 40 pixels.
std::string SoftDisc() {
  std::string rows;
  for (int y = 0; y < 240; ++y) {
    rows += '\0';
    for (int x = 0; x < 240; ++x) {
      const double d = std::hypot(x - 119.5, y - 119.5);
      const int alpha = static_cast<int>(std::lround(std::clamp((120 - d) / 40, 0.0, 1.0) * 255));
      rows += {'\xF0', '\x90', '\x20', static_cast<char>(alpha)};
    }
  }
  return SimplePng(240, 240, 8, 6, rows);
}

class Stripes : public Window {
 public:
  Stripes() : Window("frmStripes") {}

 protected:
  WindowOptions Options() const override {
    WindowOptions options;
    options.style = WS_POPUP | WS_VISIBLE;
    options.x = 0, options.y = 0, options.width = 480, options.height = 360;
    return options;
  }
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM, LPARAM) override {
    if (msg != WM_PAINT) return std::nullopt;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    const COLORREF colors[] = {RGB(20, 60, 200), RGB(30, 160, 60), RGB(250, 250, 250), RGB(10, 10, 10)};
    for (int i = 0; i < 8; ++i) {
      HBRUSH brush = CreateSolidBrush(colors[i % 4]);
      RECT band{i * 60, 0, i * 60 + 60, 360};
      FillRect(dc, &band, brush);
      DeleteObject(brush);
    }
    EndPaint(hwnd(), &paint);
    return 0;
  }
};

class Floating : public Window {
 public:
  Floating() : Window("frmFloating") {}

 protected:
  WindowOptions Options() const override {
    WindowOptions options;
    options.style = WS_POPUP | WS_VISIBLE;
    options.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    options.x = 120, options.y = 60, options.width = 10, options.height = 10;
    return options;
  }
};
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"soft-disc.png";
  std::ofstream(path.c_str(), std::ios::binary) << SoftDisc();
  Stripes stripes;
  Floating floating;
  stripes.Load();
  floating.Load();
  LayeredWindow layered;
  char narrow[MAX_PATH * 3];
  WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
  layered.MakeTrans(narrow, floating.hwnd(), 240 * 15, 240 * 15);
  MSG msg;
  while (stripes.IsLoaded() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  layered.UnloadPNGForm();
  return 0;
}
