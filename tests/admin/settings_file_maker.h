#pragma once
// Client settings files as the cafe's server exports them, made here with the real components.
#include <string>

// info.ini: the enciphered "<" + password line, then the text as it is, where every "{key}"
// stands for key enciphered.
std::string SettingsInfoText(const std::string& password, const std::string& body);
// Writes Tessel.Pwk (the settings archive holding info.ini) to path.
void WriteSettingsArchive(const std::string& path, const std::string& info);
