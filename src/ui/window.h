#pragma once
// The window base every screen derives from: owns its HWND, is registered under its form name
// (which is also its window class name, the name the agent finds it by), and routes messages to
// virtual handlers, each run inside the error trap.
#include <windows.h>

#include <optional>
#include <string>

struct WindowOptions {
  std::string caption;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  HWND parent = nullptr;  // HWND_MESSAGE makes a message-only window
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
};

class Window {
 public:
  explicit Window(std::string formName);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& FormName() const { return formName_; }
  HWND hwnd() const { return hwnd_; }
  bool IsLoaded() const { return hwnd_ != nullptr; }

  // Creates the window and runs OnLoad; true when the window exists afterwards.
  bool Load();
  // Runs OnUnload and destroys the window; nothing when not loaded.
  void Unload();

 protected:
  virtual WindowOptions Options() const { return {}; }
  virtual void OnLoad() {}
  virtual void OnUnload() {}
  // The close box (WM_CLOSE); unloads the window unless a form decides otherwise.
  virtual void OnClose() { Unload(); }
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
  // WM_NOTIFY from a child control; nothing means the default handling.
  virtual std::optional<LRESULT> OnNotify(const NMHDR& /*header*/) { return std::nullopt; }
  // Every other message; nothing means the default handling.
  virtual std::optional<LRESULT> OnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return std::nullopt;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Route(UINT msg, WPARAM wParam, LPARAM lParam);
  bool RegisterClassOnce() const;
  void Forget();

  std::string formName_;
  HWND hwnd_ = nullptr;
};
