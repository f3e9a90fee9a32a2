#pragma once
// GameExe.ini: which menu titles start through the game-launcher program, and its switches.
#include <string>

#include "state/catalog_records.h"

// Fills TheApp().GameLaunchers: slot 0 the switches, then one entry per other section.
void LoadGameLaunchers();
