#pragma once
// Dialog keys for windows that ask for them, in every message loop of the program: Tab and the
// arrows move between controls, Enter and Esc reach the window as IDOK and IDCANCEL commands.
#include <windows.h>

// From now until the window is destroyed, keys for it and its controls work as in a dialog.
void UseDialogKeys(HWND form);
// The keyboard step of the message loops: true when the message was a dialog key and was used.
bool DialogKeyStep(MSG& msg);
