#include "upkeep/desktop_upkeep.h"

void RestoreDesktop() {}
void CleanDesktop(const std::string&, const std::string&) {}
std::string GetUserDesktopFolder() { return {}; }
std::string ReadDesktopIconState() { return {}; }
