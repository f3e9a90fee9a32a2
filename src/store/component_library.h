#pragma once
// The outside components the program loads at run time (VdEnc.dll, vdCab.dll), from the folder of
// the running executable. A component that loaded stays loaded for the process (the cipher derives
// its key once); a missing one is looked for again at the next call.
#include <windows.h>

#include <string>

// The exported function, or null when the component or the function is missing.
FARPROC ComponentFunction(const char* library, const char* function);

// Tests: where the components are looked for from now on ("" for the executable's folder); the
// components loaded so far are let go.
void SetComponentFolder(const std::string& folder);
