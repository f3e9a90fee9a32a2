#include "ui/dialog.h"

#include <algorithm>

#include "store/text_util.h"
#include "ui/dialog_keys.h"
#include "ui/error_trap.h"

WindowOptions CenteredWindowOptions(std::string caption, DWORD style, int widthTwips, int heightTwips) {
  RECT frame = PixelRect({0, 0, widthTwips, heightTwips});
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  WindowOptions options;
  options.caption = std::move(caption);
  options.style = style;
  options.width = frame.right - frame.left;
  options.height = frame.bottom - frame.top;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  options.x = work.left + std::max(0L, (work.right - work.left - options.width) / 2);
  options.y = work.top + std::max(0L, (work.bottom - work.top - options.height) / 2);
  return options;
}

void Dialog::CreateControls(std::span<const ControlSpec> table, int extraWidth) {
  controls_.Create(hwnd(), table, extraWidth);
}

void Dialog::On(std::string_view control, int code, std::function<void()> handler) {
  handlers_.push_back({controls_.IdOf(control), code, FormName() + "." + std::string(control), std::move(handler)});
}

void Dialog::OnClick(std::string_view control, std::function<void()> handler) {
  On(control, BN_CLICKED, std::move(handler));
}

void Dialog::UseDialogKeys(std::string_view enterButton, std::string_view escapeButton) {
  enterButton_ = enterButton;
  escapeButton_ = escapeButton;
  ::UseDialogKeys(hwnd());
}

int Dialog::IndexOf(std::string_view name) {
  size_t open = name.rfind('(');
  return open == std::string_view::npos ? -1 : static_cast<int>(ParseLeadingNumber(name.substr(open + 1)));
}

bool Dialog::Dispatch(int id, int code) {
  bool found = false;
  for (const Handler& handler : handlers_) {
    if (handler.id != id || handler.code != code) continue;
    found = true;
    // A copy: the handler may add handlers or unload the window.
    std::function<void()> run = handler.run;
    RunTrapped(handler.label.c_str(), run);
    break;
  }
  return found;
}

void Dialog::OnCommand(int id, int code, HWND) {
  if (id == IDOK && !enterButton_.empty()) id = controls_.IdOf(enterButton_), code = BN_CLICKED;
  if (id == IDCANCEL && !escapeButton_.empty()) id = controls_.IdOf(escapeButton_), code = BN_CLICKED;
  Dispatch(id, code);
}

std::optional<LRESULT> Dialog::OnNotify(const NMHDR& header) {
  if (Dispatch(static_cast<int>(header.idFrom), static_cast<int>(header.code))) return 0;
  return std::nullopt;
}

std::optional<LRESULT> Dialog::OnMessage(UINT msg, WPARAM wParam, LPARAM) {
  bool page = GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_CHILD;  // pages follow their frame
  if (msg != WM_ACTIVATE || page) return std::nullopt;
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
    return std::nullopt;
  }
  HWND target = lastFocus_ && IsChild(hwnd(), lastFocus_) ? lastFocus_ : GetNextDlgTabItem(hwnd(), nullptr, FALSE);
  if (!target) return std::nullopt;
  SetFocus(target);
  return 0;
}

void Dialog::OnUnload() {
  lastFocus_ = nullptr;
  handlers_.clear();
  controls_.Destroy();
}
