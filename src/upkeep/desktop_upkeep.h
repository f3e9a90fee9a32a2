#pragma once
// Desktop upkeep at shutdown. Placeholders until the desktop upkeep lands.
#include <string>

void RestoreDesktop();
void CleanDesktop(const std::string& folder, const std::string& mode);
std::string GetUserDesktopFolder();
std::string ReadDesktopIconState();
