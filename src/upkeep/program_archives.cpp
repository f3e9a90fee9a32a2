#include "upkeep/program_archives.h"

#include <string>

#include "archive_passwords.h"
#include "state/app_state.h"
#include "store/archive.h"
#include "store/files.h"

bool ExtractArchive(char kind) {
  std::string target = JoinPath(TheApp().ProgramFolder, "Skin\\htm");
  std::string archive;
  const char* password = nullptr;
  if (kind == 'P') {
    archive = JoinPath(target, "Ziriv.dll");
    password = kDescriptorArchivePassword;
  } else if (kind == 'I') {
    archive = JoinPath(TheApp().ProgramFolder, "Tessel.Pwk");
    password = kSettingsArchivePassword;
  } else {
    return false;
  }
  if (!FileExists(archive)) return false;
  CreateFolders(target);
  for (int attempt = 0; attempt < 3; ++attempt)
    if (DeCab(target, archive, password) >= 0) break;
  return true;
}
