#pragma once
// The arguments part of a process command line, as WinMain receives it: the program name and
// the blanks after it removed, the rest untouched.
#include <string>
#include <string_view>

std::string CommandLineArguments(std::string_view commandLine);
