#pragma once
// Registry values in the 32-bit view, the view the cafe's agent, games and tools use.
// Every call opens and closes its key; none reports failure: reads give the default.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#undef RegDeleteValue  // the name is ours; Win32's is reached as RegDeleteValueW

std::string RegReadString(HKEY hive, std::string_view subkey, std::string_view name,
                          std::string_view defaultValue = {});
DWORD RegReadDword(HKEY hive, std::string_view subkey, std::string_view name, DWORD defaultValue = 0);
void RegWriteString(HKEY hive, std::string_view subkey, std::string_view name, std::string_view text);
void RegWriteDword(HKEY hive, std::string_view subkey, std::string_view name, DWORD value);
void RegDeleteValue(HKEY hive, std::string_view subkey, std::string_view name);

struct RegValueInfo {
  std::string name;
  DWORD type;
};
// Values in enumeration order, stopping at the first one that does not fit the 255-character
// name or the 4000-byte data buffer (texts counted in the ANSI code page). Empty when the key has
// no values or cannot be opened.
std::vector<RegValueInfo> RegListValues(HKEY hive, std::string_view subkey);

// The key the program keeps its per-user values under.
inline constexpr std::string_view kTesselKey = "SOFTWARE\\Orbix\\Tessel";
