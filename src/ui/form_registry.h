#pragma once
// The program's loaded windows in the order they were loaded.
#include <string>
#include <vector>

class Window;

void RegisterLoadedForm(Window* form);
void ForgetLoadedForm(Window* form);
// The last loaded form with this name (case ignored), or null.
Window* FindLoadedForm(const std::string& name);
