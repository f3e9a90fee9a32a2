#include "menu/launcher.h"

void StartGameByArgument(const std::string&) {}
