#pragma once
// Password-protected archives, unpacked by the outside component vdCab.dll (ZIP with AES entries).
#include <string>

inline constexpr int kArchiveComponentMissing = -100;

// DeCab: the number of files written into targetFolder, or a negative number on failure
// (kArchiveComponentMissing when vdCab.dll cannot be loaded).
int DeCab(const std::string& targetFolder, const std::string& archiveFile, const std::string& password);
