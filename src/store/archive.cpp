#include "store/archive.h"

#include "store/component_library.h"
#include "store/text_codec.h"

int DeCab(const std::string& targetFolder, const std::string& archiveFile, const std::string& password) {
  using DeCabCall = int (*)(const char*, const char*, const char*);
  auto call = reinterpret_cast<DeCabCall>(reinterpret_cast<void*>(ComponentFunction("vdCab.dll", "DeCab")));
  if (!call) return kArchiveComponentMissing;
  return call(Utf8ToAnsi(targetFolder).c_str(), Utf8ToAnsi(archiveFile).c_str(), Utf8ToAnsi(password).c_str());
}
