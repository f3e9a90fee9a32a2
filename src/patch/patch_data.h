#pragma once
// The patch data every user loads before it shows or starts patches: the descriptor table and
// the owner's module settings laid over it, both in TheApp().Patch.
#include <string>

#include "state/patch_records.h"

// Skin\htm\ziriv.gpi, Skin\GP_Mod.ini, Skin\htm\Ziriv.dll under the program folder.
std::string DescriptorFile();
std::string ModuleSettingsFile();
std::string DescriptorArchive();

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
