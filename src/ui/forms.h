#pragma once
// Loaded windows by name, for modules that must not know the window classes.
#include <string>

bool IsFormLoaded(const std::string& name);
// Unloads the most recently loaded window of that name and marks the unload as requested by name.
void UnloadFormByName(const std::string& name);
