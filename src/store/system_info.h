#pragma once
// Where the system keeps things, and which Windows this is.
#include <string>

// Path of a shell special folder (25 common desktop, 37 system, ...), "" when it has none.
std::string GetSpecialFolder(int id);
// Lets tests stand a temporary folder in for a special folder; an empty path removes the stand-in.
void OverrideSpecialFolder(int id, const std::string& path);

std::string GetWindowsFolder();
// Folder of the running executable, without a trailing backslash.
std::string ExecutableFolder();

// "NT4", "98", "ME", "2000", "XP", "2003", "VISTA", "7", "8", or "" for any other version.
std::string WindowsVersionName(unsigned major, unsigned minor);
std::string GetWindowsVersionName();
