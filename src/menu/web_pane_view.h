#pragma once
// One advertisement pane of a menu window: the page it shows, its local fallback when the page
// fails, and the pop-up addresses it cancels in favour of the identity check.
#include <windows.h>

#include <string>

#include "menu/browser_host.h"
#include "menu/web_panes.h"

class WebPaneView {
 public:
  WebPaneView() = default;
  ~WebPaneView();
  WebPaneView(const WebPaneView&) = delete;
  WebPaneView& operator=(const WebPaneView&) = delete;

  bool Create(HWND parent, WebPane pane);
  void Destroy();
  HWND hwnd() const { return hwnd_; }
  void Move(const RECT& area);

  void Navigate(const std::string& page);
  void NavigateStartPage() { Navigate(PaneStartPage(pane_)); }
  // The page did not load: the local fallback page takes its place.
  void NavigationFailed();
  // A page asks for a new browser window; true when the request is cancelled.
  bool NewWindowRequested(const std::string& address);
  const std::string& CurrentPage() const { return page_; }

 private:
  WebPane pane_ = WebPane::Web11;
  HWND hwnd_ = nullptr;
  BrowserHost browser_;
  std::string page_;
};
