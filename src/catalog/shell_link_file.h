#pragma once
// Shortcut files (.LNK) written in the shell link binary format itself: the header, the target's
// item ID list and location (volume and local path), working folder, arguments and icon. The
// shell's link object costs tens of milliseconds a file (under Wine it starts a helper process
// for every file it saves), so a first start with hundreds of games took half a minute; written
// here, a shortcut costs about what a small file does. Files are read back through the shell.
#include <string>

// True for the targets written here: none, or an absolute local path ("X:\...") shorter than
// MAX_PATH, without quotes or environment variables, that the ANSI code page can hold; and
// working folder, arguments and icon of a sane length. Others go to the shell's link object,
// which resolves relative names and the like its own way.
bool CanWriteShellLinkFile(const std::string& target, const std::string& workDir, const std::string& args,
                           const std::string& iconFile);

// Replaces path with a shortcut; an empty iconFile writes no icon. True when the file was written.
bool WriteShellLinkFile(const std::string& path, const std::string& target, const std::string& workDir,
                        const std::string& args, const std::string& iconFile, int iconIndex);
