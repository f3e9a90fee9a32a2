#pragma once
// The banner's four utility buttons (cmdLBtn): 0 volume control, 1 keyboard settings, 2 mouse
// settings, 3 the network accelerator (its own program when installed, else its maker's site).
#include <string>

void RunUtilityButton(int index);

// The accelerator's program, from DisplayIcon of its uninstall key; "" when it is not installed.
std::string AcceleratorProgram();
// The maker's site: value FastGoUrl under HKCU\SOFTWARE\Orbix\Tessel; "" when none is configured.
std::string AcceleratorSite();
