#pragma once
// The titles already shown in the open menu list (TheApp().ListedTitles), compared trimmed and
// without regard to case, so that no title is listed twice.
#include <string>

bool IsTitleListed(const std::string& title);
void ListTitle(const std::string& title);
void ClearListedTitles();
