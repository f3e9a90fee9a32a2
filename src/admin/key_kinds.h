#pragma once
// The five CD-key kinds a settings-file import changes, in step order, and the outside key
// changers that change them: <program folder>\key\<code>.exe "<install folder>" "<key>" <PC number>,
// exit code 0 when the key was changed.
#include <windows.h>

#include <array>
#include <string>

struct KeyKind {
  const char* code;       // SC, SW, SF, SD, SE
  const char* progress;   // shown while the key changes
  const char* noFolder;   // the game's installer recorded no folder
  const char* noKey;      // the settings file has no key for this PC
  const char* failed;     // the key changer refused
  HKEY hive;              // where the game's installer recorded its folder
  const char* subkey;
  const char* value;
};

const std::array<KeyKind, 5>& KeyKinds();

// The game's install folder as its installer recorded it; "" when there is none.
std::string InstallFolder(const KeyKind& kind);
// Runs the kind's key changer and waits for it; true when it reports the key changed.
bool ChangeKey(const KeyKind& kind, const std::string& folder, const std::string& key, int pc);
