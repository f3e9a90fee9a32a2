#pragma once
// The patch data every user loads before it shows or starts patches: the descriptor table and
// the owner's module settings laid over it, both in TheApp().Patch.
#include <optional>
#include <string>

#include "state/patch_records.h"

// Skin\htm\ziriv.gpi, Skin\GP_Mod.ini, Skin\htm\Ziriv.dll under the program folder.
std::string DescriptorFile();
std::string ModuleSettingsFile();
std::string DescriptorArchive();

// A patch file's text: "" for a missing file, nothing when it exists but cannot be read or is
// larger than any patch file has reason to be (32 MiB). A file rebuilt from its text is left
// alone when its text could not be read.
std::optional<std::string> ReadPatchText(const std::string& path);

// Reads the descriptor into the table and deletes the file, also when the read fails; a missing
// file leaves the table as it was.
void LoadPatchDescriptors();
void LoadModuleSettings();
void ApplyModuleSetting(size_t index);
void ApplyAllModuleSettings();

// GPD from the agent; keeps a loaded table when it is 2 or more, else unpacks and reads afresh.
// The caller tests the table: empty means failure.
void LoadPatchData();

// Index of the descriptor record of that game (case ignored), 0 when there is none.
size_t FindDescriptor(const std::string& in_name);
