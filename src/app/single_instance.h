#pragma once
// The previous-instance test: one running copy of the program per executable name.

// True when this process is the first; the claim lasts until the process ends.
bool ClaimSingleInstance();
