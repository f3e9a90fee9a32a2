#include "patch/patch_data.h"

#include <windows.h>

#include "patch/descriptor_file.h"
#include "patch/module_setting_rules.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "upkeep/program_archives.h"

namespace {
std::string SkinFile(const char* name) { return JoinPath(JoinPath(TheApp().ProgramFolder, "Skin"), name); }

PatchState& Patch() { return TheApp().Patch; }

// Removes the plain descriptor however the read ends.
struct DescriptorRemover {
  ~DescriptorRemover() {
    if (FileExists(DescriptorFile())) RemoveFile(DescriptorFile());
  }
};
}  // namespace

std::optional<std::string> ReadPatchText(const std::string& path) {
  constexpr long long kMaxPatchFileBytes = 32LL << 20;
  if (!FileExists(path)) return std::string();
  auto bytes = ReadFileBytes(path, kMaxPatchFileBytes);
  if (!bytes) return std::nullopt;
  return AnsiToUtf8(*bytes);
}

std::string DescriptorFile() { return SkinFile("htm\\ziriv.gpi"); }
std::string ModuleSettingsFile() { return SkinFile("GP_Mod.ini"); }
std::string DescriptorArchive() { return SkinFile("htm\\Ziriv.dll"); }

void LoadPatchDescriptors() {
  if (!FileExists(DescriptorFile())) return;
  DescriptorRemover remover;
  auto text = ReadPatchText(DescriptorFile());
  if (!text) return;
  RemoveFile(DescriptorFile());
  Patch().descriptors = ParseDescriptors(*text);
  ApplyAllModuleSettings();
}

void LoadModuleSettings() {
  Patch().moduleSettings.assign(1, {});
  if (!FileExists(ModuleSettingsFile())) return;
  if (auto text = ReadPatchText(ModuleSettingsFile())) Patch().moduleSettings = ParseModuleSettings(*text);
}

void ApplyModuleSetting(size_t index) {
  if (index == 0 || index >= Patch().descriptors.size()) return;
  ModuleSettingIndex settings(Patch().moduleSettings);
  PatchDescriptor& record = Patch().descriptors[index];
  LayModuleSetting(record, settings.Find(record.in_name));
}

void ApplyAllModuleSettings() {
  ModuleSettingIndex settings(Patch().moduleSettings);
  for (size_t i = 1; i < Patch().descriptors.size(); ++i) {
    PatchDescriptor& record = Patch().descriptors[i];
    LayModuleSetting(record, settings.Find(record.in_name));
  }
}

void LoadPatchData() {
  DWORD gpd = RegReadDword(HKEY_CURRENT_USER, kTesselKey, "GPD");
  LoadModuleSettings();
  if (Patch().DescriptorCount() > 0 && gpd >= 2) return ApplyAllModuleSettings();
  ExtractArchive('P');
  LoadPatchDescriptors();
}

size_t FindDescriptor(const std::string& in_name) {
  for (size_t i = 1; i < Patch().descriptors.size(); ++i)
    if (EqualsIgnoreCaseAscii(Patch().descriptors[i].in_name, in_name)) return i;
  return 0;
}
