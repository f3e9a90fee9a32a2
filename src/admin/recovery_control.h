#pragma once
// The settings window's recovery buttons cmdR(0..6): restore, save the current state, the recovery
// mode, stop and start protection, install and remove the module. The program only asks the agent,
// which carries the operation out; nothing comes back.
#include <windows.h>

#include <array>
#include <string>

inline constexpr int kRecoveryButtons = 7;

// Which buttons are enabled, from which modules are installed and whether protection is suspended.
std::array<bool, kRecoveryButtons> RecoveryButtonStates();

// A press on cmdR(index): refused without the server connection, confirmed, then sent.
void RecoveryCommand(int index, HWND owner);

// The mode dialog's option (0 to 3) and day count (1 to 30) for a module's state text.
struct RecoveryMode {
  int option = 0;
  int days = 2;
};
RecoveryMode RecoveryModeOfState(const std::string& state);
// The code of an option: 0, 100, 101, 100 + days.
std::string RecoveryModeCode(const RecoveryMode& mode);
