#pragma once
// Starting the programs behind menu icons: through the game-launcher program for the titles it
// serves, the control panel for the mouse and keyboard icons, the agent for games whose CD keys
// the cafe hands out, or the shortcut's own target.
#include <string>

// path: the icon file (.LNK, .URL or .PIF); title: the caption of the icon.
void LaunchShortcut(const std::string& path, const std::string& title);

// Starts the game named on the command line ("star", "/war3", ...) from HKCU\SOFTWARE\Harrow\CDGame.
void StartGameByArgument(const std::string& argument);

// The board-game page of the game-launcher program.
void OpenBoardLauncher();

// Ends a running game launcher (ZuzoRadozevo.exe) and starts it again from the program folder with
// these parameters; false when it is missing there.
bool StartGameLauncher(const std::string& parameters);
