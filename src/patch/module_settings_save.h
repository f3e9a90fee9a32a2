#pragma once
// The owner's save of one game's settings from the patch panel: into the descriptor record at
// once and into Skin\GP_Mod.ini.
#include <string>

struct ModuleSettingEdit {
  std::string id, password;  // the password as typed; it is stored enciphered
  std::string path1, path2;
  std::string lsize;         // "0" for no limit
  std::string cate, cname;   // the chosen category's Tag and Name
  std::string timer;
};

// False, after telling the owner, when a game with manual paths has no Path1 or the automatic
// word typed as one (the caller puts the focus back into txtPath1).
bool SaveModuleSetting(size_t index, const ModuleSettingEdit& edit);
