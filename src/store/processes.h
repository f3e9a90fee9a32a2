#pragma once
// The running processes, by executable file name.
#include <string>

// True when a running process's executable name begins with name (case ignored).
bool IsProcessRunning(const std::string& name);
// Id of the first running process whose executable name begins with name (case ignored), or 0.
unsigned long GetProcessIdByName(const std::string& name);
// Ends the process with exit code 0, then lets messages run and waits 200 ms. 0 does nothing.
void KillProcess(unsigned long id);
// Gives the pages of this process back to the system until they are touched again.
void TrimWorkingSet();
