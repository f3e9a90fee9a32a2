#pragma once
// Which entry names may become paths inside the target folder. Portable.
#include <optional>
#include <string>
#include <string_view>

// The name as a relative path with backslashes (a folder entry's last slash dropped), or
// nothing when it could land outside the folder or Windows would read it as something else:
// an empty name or part, "." or "..", a leading slash or backslash (absolute, UNC), a colon
// (drive letter, stream), a device name as a part (CON, PRN, AUX, NUL, COM0-9, LPT0-9, CONIN$,
// CONOUT$, with or without extension), a part ending in a dot or blank, control characters or
// any of < > " | ? *. Both slashes separate parts.
std::optional<std::string> SafeEntryPath(std::string_view utf8Name);
