#pragma once
// What the banner's floating buttons stand for: the first shown categories of the catalog and the
// web links of Skin\Button.ini, read afresh whenever the banner rebuilds its buttons.
#include <string>
#include <vector>

#include "state/catalog_records.h"

// One record of Skin\Button.ini.
struct ButtonLink {
  std::string title, image;
  bool flag = false;  // kept for the record's shape; this file never sets it
  std::string url;
};

// Records in file order (record 1 first): a line starting with "[" opens the next one; other
// lines are "key = value" with the keys title, image and url, compared in lower case.
std::vector<ButtonLink> ParseButtonLinks(const std::vector<std::string>& lines);
// Skin\Button.ini under the program folder; none when it is missing.
std::vector<ButtonLink> ReadButtonLinks();

// One floating button: F<k> shows item k.
struct FloatItem {
  std::string caption;  // category Name or link title
  std::string image;    // picture base name: category Code or link image
  bool isLink = true;
  std::string target;   // category Tag or link url
};

// Item 0 is the first link (an empty link without one); then the shown categories in list order,
// at most seven and at most buttonCount; then the other links.
std::vector<FloatItem> BuildFloatItems(const std::vector<Category>& categories, const std::vector<ButtonLink>& links,
                                       int buttonCount);

// mBtnCnt under HKCU\SOFTWARE\Orbix\Tessel: how many category buttons the banner offers; a value
// below 5, or none, gives 7.
int ReadFloatButtonCount();
