#pragma once
// The tabs of the settings window, in button order: the picture button cmdTBtn(i) shows
// image\e0<i>N.jpg, O while the pointer is over it and S while its tab is chosen.
#include <functional>
#include <memory>
#include <vector>

#include "admin/env_panel.h"

struct EnvTab {
  const char* caption;     // shown on the button while its pictures are missing
  bool needsServer;        // refused while the agent reports no server connection
  const char* openSends;   // an agent command sent each time the tab is chosen, or null
  // Makes the tab's panel; null for a tab that runs something instead of showing a panel.
  std::function<std::unique_ptr<EnvPanel>()> makePanel;
};

inline constexpr int kIpTableTab = 0;
inline constexpr int kCdKeyTab = 5;
inline constexpr int kMirrorTab = 7;  // runs the folder-mirroring module

const std::vector<EnvTab>& EnvTabs();
