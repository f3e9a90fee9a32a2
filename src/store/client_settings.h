#pragma once
// The owner's client settings, read from env.mts.
// Only the values the start-up sequence needs exist so far; the settings reader fills in the rest.
#include <string>

struct ClientSettings {
  int ltype = 0;    // menu layout: 0 classic, 1 and 2 skinned, anything else none
  int gameexe = 0;
  int FontColor = 0;
};

// Placeholder until the settings reader lands: keeps the defaults.
void LoadClientSettings();
