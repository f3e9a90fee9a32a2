#include "admin/env_panel.h"

bool EnvPanel::CreatePage(HWND frame, const RECT& area, int extraWidth, const EnvContext& context) {
  frame_ = frame;
  area_ = area;
  extraWidth_ = extraWidth;
  context_ = context;
  return Load();
}

void EnvPanel::Resize(const RECT& area, int extraWidth) {
  area_ = area;
  extraWidth_ = extraWidth;
  MoveWindow(hwnd(), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
  RelayoutControls(extraWidth);
}

WindowOptions EnvPanel::Options() const {
  WindowOptions options;
  options.style = WS_CHILD;  // shown by the frame when its tab is chosen; group boxes need the page painted under them
  options.exStyle = WS_EX_CONTROLPARENT;        // Tab moves into the page's controls
  options.parent = frame_;
  options.x = area_.left;
  options.y = area_.top;
  options.width = area_.right - area_.left;
  options.height = area_.bottom - area_.top;
  return options;
}
