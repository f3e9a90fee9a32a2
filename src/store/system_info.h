#pragma once
// Where the system keeps things, and which Windows this is.
#include <string>

// Path of a shell special folder (25 common desktop, 37 system, ...), "" when it has none.
std::string GetSpecialFolder(int id);
// Lets tests stand a temporary folder in for a special folder, or "" for a folder the system
// does not have; ClearSpecialFolderStandIns removes every stand-in.
void OverrideSpecialFolder(int id, const std::string& path);
void ClearSpecialFolderStandIns();

std::string GetWindowsFolder();
// Folder of the running executable, without a trailing backslash.
std::string ExecutableFolder();

// A value of the process environment in full (Korean profile paths included); "" when unset.
std::string EnvironmentValue(const std::string& name);
// The text with every %NAME% of a set environment value replaced by that value.
std::string ExpandEnvironmentValues(const std::string& text);

// "NT4", "98", "ME", "2000", "XP", "2003", "VISTA", "7", "8", or "" for any other version.
std::string WindowsVersionName(unsigned major, unsigned minor);
std::string GetWindowsVersionName();
