#include "catalog/game_list.h"

void UpdateGameList() {}
void ScanInstalledGames(bool) {}
void ClearIconFolders() {}
