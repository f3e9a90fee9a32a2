#include "skin/image_files.h"

#include "state/app_state.h"
#include "store/files.h"
#include "store/path_names.h"

std::string ImageFile(const std::string& name) {
  if (!IsSafePathElement(name)) return {};
  return JoinPath(JoinPath(TheApp().ProgramFolder, "image"), name);
}
