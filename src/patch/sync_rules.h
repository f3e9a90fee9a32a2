#pragma once
// Handing games to a synchronisation server: the server list the agent sends and the job file
// skin\csync.log. Portable: no windows.h.
#include <string>
#include <string_view>
#include <vector>

#include "state/patch_records.h"

// The first item of the server list, which stands for no server chosen.
inline constexpr const char* kNoSyncServer = "Sync서버";

// "3-x,12-y" gives {"Sync서버", "03", "12"}; pieces without "-" add nothing.
std::vector<std::string> SyncServerItems(std::string_view agentText);

// "[<server>*0]", "*2]" or "*1]" for options 0, 1 and 2.
std::string CsyncHeader(std::string_view server, int option);
// in_name^path^reg1^reg2^name^icon|cate^ver^lsize^path2^module^basefolder#
std::string CsyncLine(const PatchDescriptor& game);
