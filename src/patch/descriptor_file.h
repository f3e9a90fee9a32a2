#pragma once
// The patch descriptor (ziriv.gpi): one section per patchable game, keys without regard to case.
// Portable: no windows.h.
#include <string_view>
#include <vector>

#include "state/patch_records.h"

// More games than any descriptor holds; sections past it are ignored.
inline constexpr size_t kMaxPatchGames = 20000;

// The records in file order, from index 1 (slot 0 is an empty record), with every derived flag
// set; the owner's settings are not laid over them yet.
std::vector<PatchDescriptor> ParseDescriptors(std::string_view text);

// True when the descriptor's path1 names an automatic path (REG/... or INI/..., case ignored).
bool IsAutomaticPathSpec(std::string_view path1Spec);
