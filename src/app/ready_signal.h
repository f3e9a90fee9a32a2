#pragma once
// A named event the program sets once its start-up has finished and the menu is open, so that
// scripts and tests driving it from outside know when it is up.
#include <string>

std::wstring ReadyEventName(unsigned long processId);
void SignalStartupComplete();
