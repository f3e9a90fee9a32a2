#pragma once
// The hook the menu window installs on itself: agent messages (WM_COPYDATA), shell restarts,
// display changes and the shutdown query arrive there. One window is hooked at a time.
#include "agent/menu_window.h"

// Replaces the window's procedure (keeping the previous one); a hooked window is unhooked first.
void HookMenuWindow(MenuWindow& window);
// Restores the previous procedure; nothing when no window is hooked.
void UnhookMenuWindow();
// The hooked menu window, or null.
MenuWindow* HookedMenuWindow();
