#pragma once
// The system browser control, hosted in a child window as an in-place OLE object. It reports
// pages that fail to load and asks before a page opens a new browser window.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

struct BrowserEvents {
  std::function<void()> loaded;  // a page has been displayed
  std::function<void()> navigationFailed;
  std::function<bool(const std::string& address)> cancelNewWindow;  // true cancels the request
};

class BrowserHost {
 public:
  BrowserHost();
  ~BrowserHost();
  BrowserHost(const BrowserHost&) = delete;
  BrowserHost& operator=(const BrowserHost&) = delete;

  // Embeds the control in container; false when the system has none to give.
  bool Create(HWND container, BrowserEvents events);
  void Navigate(const std::string& address);
  // Lets go of the control; the container may be destroyed afterwards.
  void Close();
  // Follows the container's client area.
  void Fit();

 private:
  class Site;
  std::unique_ptr<Site> site_;
};
