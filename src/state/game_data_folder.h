#pragma once
// Where Game.mts lives: another cafe product may keep it in a folder of its own.
#include <string>

// szPath of HKCU\Software\Harrow\Game when Game.mts is there, else the program folder.
std::string GetGameDataFolder();
