#pragma once
// Every message loop of the program (the main loop, modal loops, waits) hands each message it takes
// off the queue to this one step: the keyboard step first, when one is installed (the dialog keys of
// the windows that asked for them), then translation and dispatch.
#include <windows.h>

// True when the step used the message and it must not be dispatched again.
using KeyboardStep = bool (*)(MSG& msg);
void SetKeyboardStep(KeyboardStep step);

void DispatchQueuedMessage(MSG& msg);
