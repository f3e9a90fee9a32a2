#pragma once
// Starting what a menu list item stands for.
#include <optional>
#include <string>

#include "menu/icon_list.h"

// The icon file of an item: Skin\IE\<mark> for a browser shortcut, \VdAd\<key> for a sponsored icon,
// else <category folder>\<key>. Without an item, Skin\IEM.URL.
std::string ActivatedIconFile(const std::optional<IconItem>& item, const std::string& categoryFolder);

// Starts the chosen item of the list (or Skin\IEM.URL when none is chosen) through the launcher.
void ActivateChosenIcon(const IconList& list, const std::string& categoryFolder);
