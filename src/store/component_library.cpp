#include "store/component_library.h"

#include <map>

#include "store/files.h"
#include "store/system_info.h"
#include "store/text_codec.h"

namespace {
struct Loaded {
  std::string folder;
  std::map<std::string, HMODULE> modules;
};

Loaded& State() {
  static Loaded state;
  return state;
}

HMODULE Module(const char* library) {
  Loaded& state = State();
  HMODULE& module = state.modules[library];
  if (!module) {
    std::string folder = state.folder.empty() ? ExecutableFolder() : state.folder;
    // A full path: the component is never taken from the search path or the current folder.
    module = LoadLibraryExW(Widen(JoinPath(folder, library)).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  }
  return module;
}
}  // namespace

FARPROC ComponentFunction(const char* library, const char* function) {
  HMODULE module = Module(library);
  return module ? GetProcAddress(module, function) : nullptr;
}

void SetComponentFolder(const std::string& folder) {
  Loaded& state = State();
  for (auto& [name, module] : state.modules)
    if (module) FreeLibrary(module);
  state.modules.clear();
  state.folder = folder;
}
