#pragma once
// The control-panel pages the menus open for the mouse and keyboard icons and buttons.

inline constexpr int kMousePage = 0;
inline constexpr int kKeyboardPage = 1;

// rundll32.exe shell32.dll,Control_RunDLL main.cpl @page
void OpenControlPanelPage(int page);
