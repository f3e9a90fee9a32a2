#pragma once
// The lists of programs Windows starts at logon: the machine list (always led by the sibling
// agent) and the user list, both filled from StartN.mts [START], kept in TheApp().
#include <string>

#include "state/app_state.h"

// hive: "HKLM" (the machine list) or "HKCU" (the user list); starts that list afresh.
void BuildStartupList(const std::string& hive);
// Writes both lists into the machine's and the user's Run keys.
void WriteStartupLists();
// Deletes every machine Run value that names no entry of the machine list.
void PruneMachineStartup();
