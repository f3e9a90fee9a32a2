#include "upkeep/startup_programs.h"

void BuildStartupList(const std::string&) {}
void WriteStartupLists() {}
void PruneMachineStartup() {}
