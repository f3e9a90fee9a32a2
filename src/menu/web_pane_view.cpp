#include "menu/web_pane_view.h"

#include "menu/menu_checks.h"
#include "store/wait.h"

WebPaneView::~WebPaneView() { Destroy(); }

void WebPaneView::Destroy() {
  browser_.Close();
  if (hwnd_) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

bool WebPaneView::Create(HWND parent, WebPane pane) {
  pane_ = pane;
  // Hidden until a page has been displayed, so that no blank browser shows; without a browser
  // control or an HTML engine it stays so, and the navigation rules hold all the same.
  hwnd_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, parent, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  browser_.Create(hwnd_, {[this] { ShowWindow(hwnd_, SW_SHOWNA); }, [this] { NavigationFailed(); },
                          [this](const std::string& address) { return NewWindowRequested(address); }});
  return true;
}

void WebPaneView::Move(const RECT& area) {
  if (!hwnd_) return;
  MoveWindow(hwnd_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
  browser_.Fit();
}

void WebPaneView::Navigate(const std::string& page) {
  page_ = page;
  browser_.Navigate(page);
}

void WebPaneView::NavigationFailed() {
  std::string fallback = PaneFallbackPage(pane_);
  if (page_ != fallback) Navigate(fallback);
}

bool WebPaneView::NewWindowRequested(const std::string& address) {
  if (RefusesNewWindows(pane_)) return true;
  if (!IsIdentityCheckClick(pane_, address)) return false;
  DoEvents();
  RunIdentityCheck();
  return true;
}
