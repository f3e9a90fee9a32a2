#include "catalog/game_entries.h"

void LoadGameEntries() {}
void LoadGameLaunchers() {}
