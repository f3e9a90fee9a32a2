#pragma once
// The display mode the owner wants, chosen from the modes the platform lists.
#include <functional>
#include <optional>
#include <string>

#include "state/app_state.h"

// The mode's text in the form of the Display setting, or nothing for a mode that is never
// offered (not 32 bit, under 60 Hz, smaller than 800 x 600).
std::optional<std::string> ListedModeText(unsigned width, unsigned height, unsigned depth, unsigned frequency);

// Fills the mode tables from the platform (once; the tables are process-wide).
void EnumerateDisplayModes();
// Changes to the mode named by Display when it is listed; asks for a restart when one is needed.
void ApplyDisplaySettings();
// When DisplayOption is "1": fills the tables if needed, then ApplyDisplaySettings.
void ApplyDisplayIfWanted();

// Where the display really changes and Windows restarts. Tests stand in for both; the shutdown
// privilege a restart needs is switched on for real before either restart.
struct DisplaySystem {
  std::function<long(const DisplayMode&)> change;  // DISP_CHANGE_* result
  std::function<void()> restart;
};
void SetDisplaySystem(DisplaySystem system);  // empty members: the real platform
