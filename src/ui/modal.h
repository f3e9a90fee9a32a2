#pragma once
// Modal windows of our own: the owner is disabled and messages run until the window unloads.
// Tests install a driver that works the window instead of waiting for a user.
#include <functional>

#include "ui/window.h"

void ShowModal(Window& form, HWND owner = nullptr);
// Loads the window if need be, shows it and brings it to the front; the caller goes on at once.
void ShowModeless(Window& form, int show = SW_SHOW);

// Called with the loaded, shown window; the window is unloaded afterwards if it is still loaded.
using ModalDriver = std::function<void(Window&)>;
void SetModalDriver(ModalDriver driver);
