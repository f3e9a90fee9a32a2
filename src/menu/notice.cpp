#include "menu/notice.h"

#include "menu/menu_skin.h"
#include "state/app_state.h"
#include "store/ini.h"
#include "store/text_util.h"

NoticeTexts ReadNotice() {
  NoticeTexts notice;
  ClsINI env(TheApp().EnvFile, "ENV");
  for (const std::string& key : env.KeyList().value_or(std::vector<std::string>{})) {
    std::string name = Trim(key);
    if (!EqualsIgnoreCaseAscii(name.substr(0, 4), "NOTE")) continue;
    std::string value = Trim(RemoveNuls(env.OpenINI(name)));
    if (EqualsIgnoreCaseAscii(name, "NOTECOLOR"))
      notice.color = ParseColorTriple(value);
    else if (!value.empty())
      notice.texts.push_back(value);
  }
  return notice;
}
