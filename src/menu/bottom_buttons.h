#pragma once
// The four buttons under the classic menu's icon list: 0 browser, 1 volume, 2 mouse, 3 keyboard.
#include <string>

void RunBottomButton(int index);

// The volume control of this Windows version, or "" when there is none to start.
std::string VolumeControlPath();
