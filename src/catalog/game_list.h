#pragma once
// The daily game list and the installed-game scan. Placeholders until the catalog lands.

void UpdateGameList();
// all: examine every listed game and append entries (the first build of Game.mts).
void ScanInstalledGames(bool all);
// Empties \Bmp and the category folders so that they are rebuilt.
void ClearIconFolders();
