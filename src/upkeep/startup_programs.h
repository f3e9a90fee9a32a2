#pragma once
// The lists of programs Windows starts at logon. Placeholders until the start-up upkeep lands.
#include <string>

// hive: "HKLM" or "HKCU"
void BuildStartupList(const std::string& hive);
void WriteStartupLists();
void PruneMachineStartup();
