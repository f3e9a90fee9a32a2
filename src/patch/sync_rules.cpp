#include "patch/sync_rules.h"

#include <cstdio>

#include "store/text_util.h"

std::vector<std::string> SyncServerItems(std::string_view agentText) {
  std::vector<std::string> items{kNoSyncServer};
  if (agentText.empty()) return items;
  for (const std::string& piece : Split(agentText, ',')) {
    std::vector<std::string> parts = Split(piece, '-');
    if (parts.size() < 2) continue;
    long long number = ParseLeadingNumber(parts[0]);
    char text[24];
    std::snprintf(text, sizeof(text), "%02lld", number);
    items.push_back(text);
  }
  return items;
}

std::string CsyncHeader(std::string_view server, int option) {
  const char* suffix = option == 1 ? "*2]" : option == 2 ? "*1]" : "*0]";
  return "[" + std::string(server) + suffix;
}

std::string CsyncLine(const PatchDescriptor& game) {
  bool automatic = game.autoPathFlag == '1' && game.ownerPathFlag != '1';
  std::string fields[] = {
      game.in_name, automatic ? game.path1Spec : game.path1, game.sync_reg1, game.sync_reg2, game.name,
      game.sync_icon + "|" + game.cate, game.sync_ver, game.lsize, game.path2, game.g_module,
  };
  std::string line;
  for (const std::string& field : fields) line += field + "^";
  return line + game.basefolder + "#";
}
