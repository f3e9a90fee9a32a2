#pragma once
// The Windows and system folders as the cafe's tools expect them, with the fallbacks of the
// older systems when the shell does not answer.
#include <string>

// Shell folder 36; else the Windows folder on 98 and ME, %SystemRoot% elsewhere.
std::string ToolWindowsFolder();
// Shell folder 37; else the Windows folder + "\system" on 98 and ME, %SystemRoot%\system32 elsewhere.
std::string ToolSystemFolder();
