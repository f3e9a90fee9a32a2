#pragma once
// What the agent commands do to the menu window in use (the hooked one). Each does nothing when
// no menu window is hooked.
#include <functional>

#include "agent/menu_window.h"

// Runs the action on the hooked menu window, if there is one.
void WithMenu(const std::function<void(MenuWindow&)>& action);
bool MenuIsMinimised();
// Left and top in twips under Left/Top (layout 0) or Left2/Top2 (the skinned layouts).
void StoreMenuPosition();
void HideMenu();
// Shown, in the normal state, with a taskbar button; the banner window also goes to its place.
void RestoreMenu();
// Layout 0: size and place the classic window; otherwise place the banner window.
void PlaceMenu(bool resizeClassic);
