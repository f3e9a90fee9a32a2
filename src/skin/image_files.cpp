#include "skin/image_files.h"

#include "state/app_state.h"
#include "store/files.h"

std::string ImageFile(const std::string& name) {
  if (name.empty() || name == "." || name == ".." || name.find_first_of("\\/:") != std::string::npos) return {};
  return JoinPath(JoinPath(TheApp().ProgramFolder, "image"), name);
}
