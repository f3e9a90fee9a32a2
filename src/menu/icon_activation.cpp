#include "menu/icon_activation.h"

#include "menu/launcher.h"
#include "state/app_state.h"
#include "store/files.h"

std::string ActivatedIconFile(const std::optional<IconItem>& item, const std::string& categoryFolder) {
  const std::string& folder = TheApp().ProgramFolder;
  if (!item) return JoinPath(folder, "Skin\\IEM.URL");
  if (item->key == "IE") return JoinPath(folder, "Skin\\IE\\" + item->mark);
  if (item->mark == "M") return JoinPath(folder, "VdAd\\" + item->key);
  return JoinPath(categoryFolder, item->key);
}

void ActivateChosenIcon(const IconList& list, const std::string& categoryFolder) {
  std::optional<IconItem> item = list.Chosen();
  LaunchShortcut(ActivatedIconFile(item, categoryFolder), item ? item->title : std::string());
}
