#include "app/layout_switch.h"

#include <climits>
#include <string>

#include "agent/menu_actions.h"
#include "catalog/game_entries.h"
#include "menu/classic_menu.h"
#include "skin/skinned_menus.h"
#include "state/app_state.h"
#include "store/ini.h"
#include "store/text_util.h"
#include "store/wait.h"
#include "ui/form_registry.h"
#include "ui/forms.h"
#include "ui/window.h"

namespace {
// The menu windows may unload for real only while a switch runs; afterwards the customer can
// close them no more (Alt+F4), whatever the switch did.
class UnloadPermission {
 public:
  UnloadPermission() { TheApp().MenuUnloadAllowed = true; }
  ~UnloadPermission() { TheApp().MenuUnloadAllowed = false; }
  UnloadPermission(const UnloadPermission&) = delete;
  UnloadPermission& operator=(const UnloadPermission&) = delete;
};

// Second digit "1" switches the pinning element off, "0" on; anything else leaves it.
void ApplyFixedSwitch(const std::string& fixed) {
  if (fixed.size() < 2 || (fixed[1] != '0' && fixed[1] != '1')) return;
  bool on = fixed[1] == '0';
  WithMenu([on](MenuWindow& menu) { menu.SetFixedElement(on); });
}

bool BannerIsVisible() {
  Window* banner = FindLoadedForm("frmMain2");
  return banner && IsWindowVisible(banner->hwnd());
}

void OpenClassicLayout() {
  for (const char* form : {"frmMain4", "frmMain3", "frmMain2"}) UnloadFormByName(form);
  for (char popup = '0'; popup <= '8'; ++popup) UnloadFormByName(std::string{'F', popup});
  WaitMilliseconds(1000);
  OpenFrmMain();
}

void OpenSkinnedLayout(int ltype) {
  UnloadFormByName(ltype == 1 ? "frmMain3" : "frmMain4");
  UnloadFormByName("frmMain");
  WaitMilliseconds(1000);
  LoadGameEntries();
  if (BannerIsVisible()) {
    WithMenu([](MenuWindow& menu) {
      menu.Load_CateF2();
      menu.Load_CmdBtn();
      menu.Load_Image();
    });
  }
  ltype == 1 ? ShowFrmMain4() : ShowFrmMain3();
  ShowFrmMain2();
}
}  // namespace

void SwitchLayout() {
  App& app = TheApp();
  UnloadFormByName("frmPass");
  UnloadFormByName("frmAbout");
  ClsINI env(app.EnvFile, "ENV");
  app.Settings.Fixed = env.OpenINI("Fixed");
  long long number = ParseLeadingNumber(env.OpenINI("LType"));
  int wanted = number < INT_MIN || number > INT_MAX ? -1 : static_cast<int>(number);
  if (wanted == app.Settings.ltype) return ApplyFixedSwitch(app.Settings.Fixed);

  app.Settings.ltype = wanted;
  if (wanted < 0 || wanted > 2) return;
  UnloadPermission permission;
  wanted == 0 ? OpenClassicLayout() : OpenSkinnedLayout(wanted);
}
