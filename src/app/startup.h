#pragma once
// The entry routine's start-up sequence.
#include <string>

// Runs the start-up steps with the arguments part of the command line. False when another
// instance runs and this process must end at once.
bool RunStartup(const std::string& arguments);

// The menu windows of a layout: 0 classic, 1 and 2 skinned with the banner, else none.
void OpenMenuWindows(int ltype);
