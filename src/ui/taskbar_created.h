#pragma once
// The shell's "TaskbarCreated" message: a restarted Explorer wants its notification icons again.
#include <windows.h>

UINT TaskbarCreatedMessage();
