#pragma once
// The records of game patching that the process-wide state holds: the descriptor of every
// patchable game with the owner's settings laid over it, the owner's settings as read, the weekly
// schedule and the games under inspection.
#include <array>
#include <string>
#include <vector>

// The word shown for a path the engine finds by itself (from the registry or an INI file).
inline constexpr const char* kAutomaticPath = "자동경로";

// One game of the descriptor. in_name is its identity everywhere (case ignored).
struct PatchDescriptor {
  std::string name, p_type;
  std::string path1, path1Spec, path2, path2Spec;  // shown and used, and as the descriptor gave them
  std::string getpathtype, regpath, p_module, p_completetype, p_caption;
  std::string g_module, g_caption, g_lastver;
  std::string id, pwd;  // pwd enciphered
  std::string idtag, pwdtag, loginscpt, startscpt, closetype;
  char accountFlag = '0';  // '1': the game patches under a player account (p_type 2 to 5)
  std::string in_name, cmpy, tuning;
  char autoPathFlag = '0';   // '1': path1 begins with REG/ or INI/
  char ownerPathFlag = '0';  // '1': the owner's Path1 was laid over path1
  std::string info, basefolder, actx;
  std::string timer = "20";
  std::string GCode;  // third "/" field of info
  std::string sync, sync_reg1, sync_reg2, sync_icon, sync_ver;
  std::string cate = "Best", cname = "인기게임", lsize = "0";
};

// One section of Skin\GP_Mod.ini: the owner's settings for the game named by section.
struct ModuleSetting {
  std::string section, id, pwd, path1, path2, cate, cname, lsize, timer;
};

// One day of the weekly schedule (index 1 Sunday .. 7 Saturday); index 0 marks a parsed answer.
struct ScheduleDay {
  std::string date;                        // "YYYY-MM-DD"; "" when the answer named no such day
  std::vector<std::string> codes{""};      // the game codes due that day
};

struct PatchState {
  std::vector<PatchDescriptor> descriptors{1};   // from 1; slot 0 unused
  std::vector<ModuleSetting> moduleSettings{1};  // from 1; slot 0 takes key lines before a section
  std::array<ScheduleDay, 8> schedule{};
  std::vector<std::string> inspection{""};       // game codes under inspection; {""} for none
  std::string runWindowArgument;  // set by whoever opens the run window: "" follows the current run

  size_t DescriptorCount() const { return descriptors.size() - 1; }
};
