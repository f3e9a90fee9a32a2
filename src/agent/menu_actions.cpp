#include "agent/menu_actions.h"

#include "agent/menu_hook.h"
#include "state/app_state.h"
#include "store/registry.h"
#include "ui/twips.h"

void WithMenu(const std::function<void(MenuWindow&)>& action) {
  if (MenuWindow* menu = HookedMenuWindow()) action(*menu);
}

bool MenuIsMinimised() {
  MenuWindow* menu = HookedMenuWindow();
  return menu && IsIconic(menu->MenuHandle());
}

void StoreMenuPosition() {
  WithMenu([](MenuWindow& menu) {
    RECT place{};
    if (!GetWindowRect(menu.MenuHandle(), &place)) return;
    const char* suffix = TheApp().Settings.ltype == 0 ? "" : "2";
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, std::string("Left") + suffix,
                   std::to_string(PixelsToTwipsX(place.left)));
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, std::string("Top") + suffix,
                   std::to_string(PixelsToTwipsY(place.top)));
  });
}

void HideMenu() {
  WithMenu([](MenuWindow& menu) { ShowWindow(menu.MenuHandle(), SW_HIDE); });
}

void RestoreMenu() {
  WithMenu([](MenuWindow& menu) {
    HWND handle = menu.MenuHandle();
    ShowWindow(handle, SW_SHOWNORMAL);
    SetWindowLongPtrW(handle, GWL_EXSTYLE, GetWindowLongPtrW(handle, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    if (TheApp().Settings.ltype != 0) menu.PlaceAtStoredPosition();
  });
}

void PlaceMenu(bool resizeClassic) {
  WithMenu([resizeClassic](MenuWindow& menu) {
    if (TheApp().Settings.ltype != 0) return menu.PlaceAtStoredPosition();
    if (resizeClassic) menu.Form_Size();
    menu.Form_Location();
  });
}
