#pragma once
// The work behind DeCab: read, check, verify, then write. Paths are UTF-8.
#include <string>
#include <string_view>

// The number of files written, or one of the DECAB_ codes of vdcab.h.
int UnpackArchive(const std::string& targetFolder, const std::string& archiveFile, std::string_view password);
