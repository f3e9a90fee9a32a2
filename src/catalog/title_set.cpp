#include "catalog/title_set.h"

#include "state/app_state.h"
#include "store/text_util.h"

namespace {
std::string Normal(const std::string& title) { return ToUpperAscii(Trim(title)); }
}  // namespace

bool IsTitleListed(const std::string& title) { return TheApp().ListedTitles.contains(Normal(title)); }
void ListTitle(const std::string& title) { TheApp().ListedTitles.insert(Normal(title)); }
void ClearListedTitles() { TheApp().ListedTitles.clear(); }
