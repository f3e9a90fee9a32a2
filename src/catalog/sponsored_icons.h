#pragma once
// Skin\VdAd.ini: icons that the product's service delivers, created as shortcuts in \VdAd.
#include <string>

class MenuList;

// Creates the shortcut of every sponsored icon not yet in \VdAd (a web icon when the program is
// not installed), adds the new ones to the menu list, then resets the registry request VdAd to 0.
void LoadSponsoredIcons(MenuList& menu);

// "F" when the candidate does not exist; else the folder itself (a name without ".") or the
// folder of the file, up to and including its last "\".
std::string ResolveInstallFolder(const std::string& candidate);
