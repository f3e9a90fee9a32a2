#pragma once
// What patching needs of the outside components: the descriptor archive unpacked into Skin\htm,
// and the owner's account passwords enciphered and deciphered.
#include <string>
#include <string_view>

// Unpacks Skin\htm\Ziriv.dll; false when the archive is missing.
bool UnpackDescriptorArchive();

// "" for "" and whenever the cipher component fails.
std::string EncipherPassword(std::string_view plain);
std::string DecipherPassword(std::string_view enciphered);
