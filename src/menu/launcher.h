#pragma once
// Starting the programs behind menu icons. Placeholder until the launcher lands.
#include <string>

// Starts the game named on the command line.
void StartGameByArgument(const std::string& argument);
