#pragma once
// The base of the owner's windows and panels: controls made from a table and reached by name, a
// handler table instead of a growing OnCommand chain, Enter and Esc mapped to chosen buttons, and
// dialog keys (Tab, Enter, Esc) in every message loop for the windows that ask for them.
//
//   void FrmPass::OnLoad() {
//     CreateControls(kTable);
//     OnClick("cmdGAdd", [this] { cmdGAdd_Click(); });
//     UseDialogKeys("cmdGAdd", "CButton1");
//   }
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/window.h"

// Options for a window whose client area is width x height twips, centred on the screen.
WindowOptions CenteredWindowOptions(std::string caption, DWORD style, int widthTwips, int heightTwips);

class Dialog : public Window {
 public:
  const Controls& controls() const { return controls_; }

 protected:
  explicit Dialog(std::string formName) : Window(std::move(formName)) {}

  // Makes the table's controls on this window (from OnLoad).
  void CreateControls(std::span<const ControlSpec> table, int extraWidth = 0);
  // Places them again for a window extraWidth twips wider than drawn.
  void RelayoutControls(int extraWidth) { controls_.Relayout(extraWidth); }

  // Runs the handler, inside the error trap, when the control reports the code: a WM_COMMAND
  // notification (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE, ...) or a WM_NOTIFY code (NM_DBLCLK, ...).
  void On(std::string_view control, int code, std::function<void()> handler);
  void OnClick(std::string_view control, std::function<void()> handler);
  // Opts in to dialog keys; Enter then presses enterButton and Esc escapeButton ("" for none).
  void UseDialogKeys(std::string_view enterButton = {}, std::string_view escapeButton = {});

  // The clicked control of a control array ("cmdR(3)" gives 3), for handlers shared by its members.
  static int IndexOf(std::string_view name);

  void OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnNotify(const NMHDR& header) override;
  // Keeps the focused control across deactivation, as a dialog does; forms that handle other
  // messages call this first.
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnUnload() override;

 private:
  struct Handler {
    int id;
    int code;
    std::string label;  // for the trap's report: <form>.<control>
    std::function<void()> run;
  };
  bool Dispatch(int id, int code);

  Controls controls_;
  std::vector<Handler> handlers_;
  std::string enterButton_, escapeButton_;
  HWND lastFocus_ = nullptr;
};
