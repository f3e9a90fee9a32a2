#pragma once
// The disk-recovery module, reached through whichever of its four libraries is present. The
// libraries are outside this program; a missing one reads as "not installed".
#include <string>

enum class RecoveryLibrary { VdRcvrp, VdRcvrp2, Lsrecn, VdRcv };

// The name the library is loaded under: "VdRcvrp.dll", "VdRcvrp2.dll", "lsrecn.dll", "VdRcv".
const char* RecoveryLibraryName(RecoveryLibrary library);

// Notes which of VdRcvrp.dll, VdRcvrp2.dll and lsrecn.dll can be loaded (none stays loaded).
void ProbeRecoveryLibraries();
bool IsRecoveryInstalled(RecoveryLibrary library);
// "<mode>|<code>"; "" when the library cannot be loaded.
std::string ReadRecoveryState(RecoveryLibrary library);
// The present and suspended flags for the tray tip; starts an lsrecn.dll session when it loads.
void RefreshTrayRecoveryState();
// Ends the lsrecn.dll session, if one was started.
void FinishRecoverySession();
