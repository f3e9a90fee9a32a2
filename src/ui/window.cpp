#include "ui/window.h"

#include "store/text_codec.h"
#include "ui/error_trap.h"
#include "ui/form_registry.h"
#include "ui/window_class.h"

Window::Window(std::string formName) : formName_(std::move(formName)) {}

Window::~Window() {
  if (hwnd_) {
    // No virtual calls from a destructor: the derived part is already gone.
    Unbind(hwnd_);
    DestroyWindow(hwnd_);
    Forget();
  }
}

bool Window::RegisterClassOnce() const {
  std::wstring className = Widen(formName_);
  return RegisterWindowClassOnce({className.c_str(), Procedure, CS_DBLCLKS, IDC_ARROW, Options().background});
}

bool Window::Load() {
  if (hwnd_) return true;
  bool created = RunTrapped(formName_.c_str(), [&] {
    if (!RegisterClassOnce()) return;
    WindowOptions options = Options();
    CreateWindowExW(options.exStyle, Widen(formName_).c_str(), Widen(options.caption).c_str(), options.style, options.x,
                    options.y, options.width, options.height, options.parent, nullptr, GetModuleHandleW(nullptr), this);
  });
  if (!created || !hwnd_) return false;
  RegisterLoadedForm(this);
  RunTrapped(formName_.c_str(), [&] { OnLoad(); });
  return hwnd_ != nullptr;
}

void Window::Unload() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void Window::Forget() {
  ForgetLoadedForm(this);
  hwnd_ = nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* window = BoundObject<Window>(hwnd, msg, lParam);
  if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCCREATE) window->hwnd_ = hwnd;
  return window->Route(msg, wParam, lParam);
}

LRESULT Window::Route(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND self = hwnd_;
  std::optional<LRESULT> handled;
  RunTrapped(formName_.c_str(), [&] {
    switch (msg) {
      case WM_TIMER:
        OnTimer(wParam);
        handled = 0;
        break;
      case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        handled = 0;
        break;
      case WM_NOTIFY:
        if (lParam) handled = OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        if (!handled) handled = OnMessage(msg, wParam, lParam);
        break;
      case WM_CLOSE:
        OnClose();
        handled = 0;
        break;
      case WM_DESTROY:
        OnUnload();
        break;
      default:
        handled = OnMessage(msg, wParam, lParam);
    }
  });
  if (msg == WM_NCDESTROY) {
    Unbind(self);
    Forget();
  }
  return handled ? *handled : DefWindowProcW(self, msg, wParam, lParam);
}
