#pragma once
// Deleting and copying files through the shell's file operation: silent, never asking, errors
// suppressed (a failure leaves the files as they were).
#include <string>

// Everything matching the pattern ("C:\x\*.*"), not to the recycle bin; lets messages run after.
bool DeleteFiles(const std::string& pattern);
// from may be a pattern; folders are copied with their contents.
void CopyFiles(const std::string& from, const std::string& to);
