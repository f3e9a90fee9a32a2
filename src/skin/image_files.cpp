#include "skin/image_files.h"

#include "state/app_state.h"
#include "store/files.h"

std::string ImageFile(const std::string& name) { return JoinPath(JoinPath(TheApp().ProgramFolder, "image"), name); }
