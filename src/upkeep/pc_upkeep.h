#pragma once
// Keeping the PC in the owner's state: shutdown time-outs, the start-up fix another cafe tool
// needs, mouse and keyboard values, and the upkeep run when Windows shuts down.

// HungAppTimeout and WaitToKillServiceTimeout, short so that Windows shuts down quickly.
void WriteHangTimeouts();
// The hang time-outs, no profile-unload time-out, then NetworkToolCheck.
void ApplyShutdownTimeouts();
// When the cafe's network tools run, hands the desktop to the fix-up program Dstartfix.exe.
void NetworkToolCheck();
// At tray load and on several agent commands.
void StartupFix();
void ApplyInputSettings();
// On WM_QUERYENDSESSION, before the message goes on; never refuses the shutdown.
void ShutdownUpkeep();
