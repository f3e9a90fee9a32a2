#pragma once
// What the classic menu sets up and checks when it loads: the Run-key entry that brings the agent
// back at logon, the patch flags of tVer.ini, and the identity-check tool of the portal.
#include <string>

void RegisterRunKey();

struct PatchFlags {
  bool autoPatch = false;  // [PATCH] A_On = 1
  bool patchTool = false;  // tVer.ini exists
};
PatchFlags ReadPatchFlags();

// Opens the identity-check tool, or offers to download and start its installer when it is missing.
void RunIdentityCheck();

// The installer's download address: value CheckOnIdUrl under HKCU\SOFTWARE\Orbix\Tessel, "" when
// none is configured (the download then fails without going over the network).
std::string IdentityCheckDownloadUrl();
