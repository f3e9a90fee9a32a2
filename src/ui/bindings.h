#pragma once
// A panel's controls tied to stored values, both ways, in the spirit of dialog data exchange: one
// list per panel, loaded into the controls and saved back from them. A text box or list holds the
// stored text; a check box is ticked by "1". Odd encodings convert on the way in and out.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"

struct Binding {
  std::string control;
  std::function<std::string()> read;                // the stored value
  std::function<void(const std::string&)> write;
  // Stored value -> control value, and back; empty means the value as it is.
  std::function<std::string(const std::string&)> toControl, fromControl;
};

// A key of an INI file, through the profile functions; NULs removed and trimmed when read.
Binding IniBinding(std::string control, std::string file, std::string section, std::string key);
// A string or DWORD value (as decimal text) under a key of the registry.
Binding RegistryStringBinding(std::string control, HKEY hive, std::string subkey, std::string name);
Binding RegistryDwordBinding(std::string control, HKEY hive, std::string subkey, std::string name);

void LoadBindings(const Controls& controls, const std::vector<Binding>& bindings);
void SaveBindings(const Controls& controls, const std::vector<Binding>& bindings);
