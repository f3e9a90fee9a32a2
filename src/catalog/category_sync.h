#pragma once
// Turning the game entries of one category into shortcut files in its folder.
#include <string>

class MenuList;

// For every entry whose Group is tag (upper case) and whose title is not yet listed: creates the
// missing shortcut file under <program folder>\<Group>\<GName> and adds the icon to the list.
void SyncCategoryFolder(MenuList& window, const std::string& tag);
