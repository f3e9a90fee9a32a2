#pragma once
// Game.mts and the game-launcher table GameExe.ini. Placeholders until the catalog lands.

void LoadGameEntries();
void LoadGameLaunchers();
