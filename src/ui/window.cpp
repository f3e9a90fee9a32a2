#include "ui/window.h"

#include "store/text_codec.h"
#include "ui/error_trap.h"
#include "ui/form_registry.h"

Window::Window(std::string formName) : formName_(std::move(formName)) {}

Window::~Window() {
  if (hwnd_) {
    // No virtual calls from a destructor: the derived part is already gone.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    Forget();
  }
}

bool Window::RegisterClassOnce() const {
  std::wstring className = Widen(formName_);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, className.c_str(), &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = Spec().background;
  windowClass.lpszClassName = className.c_str();
  return RegisterClassExW(&windowClass) != 0;
}

bool Window::Load() {
  if (hwnd_) return true;
  bool created = RunTrapped(formName_.c_str(), [&] {
    if (!RegisterClassOnce()) return;
    WindowSpec spec = Spec();
    CreateWindowExW(spec.exStyle, Widen(formName_).c_str(), Widen(spec.caption).c_str(), spec.style, spec.x,
                    spec.y, spec.width, spec.height, spec.parent, nullptr, GetModuleHandleW(nullptr), this);
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
  if (msg == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
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
      case WM_CLOSE:
        Unload();
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
    SetWindowLongPtrW(self, GWLP_USERDATA, 0);
    Forget();
  }
  return handled ? *handled : DefWindowProcW(self, msg, wParam, lParam);
}
