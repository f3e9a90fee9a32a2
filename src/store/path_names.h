#pragma once
// Deciding whether names and paths that come from files, the agent or the network may be used
// as paths. Portable: no windows.h.
#include <string_view>

// True when the name can stand as one element of a path inside a folder and names a file there:
// not empty, no separator, drive or stream colon, wildcard or control character, not "." or "..",
// no trailing dot or space (Windows drops them, so another file would open), no device name
// (CON, NUL, COM1, ... also with an extension) and at most 255 characters.
bool IsSafePathElement(std::string_view name);

// True for a path that starts at a drive letter ("C:\..."): such a path cannot name a network
// share or a device by itself, as "\\server\share", "\\?\UNC\..." and "\\.\..." do.
bool IsDrivePath(std::string_view path);
