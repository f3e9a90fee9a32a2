#pragma once
// Runs a shell command of the Linux machine from a test under Wine (7-Zip on the host).
#include <windows.h>

#include <string>

// True when this process runs under Wine.
bool UnderWine();

// Runs `sh -c command` in the folder (a Windows path) to its end and returns its exit status,
// or -1 when it did not start or end in time. The command must not contain double quotes.
int RunOnHost(const std::string& command, const std::string& folder, DWORD timeoutMs = 60000);
