#include "agent/menu_hook.h"

#include "agent/agent_link.h"
#include "state/app_state.h"
#include "store/agent_channel.h"
#include "ui/error_trap.h"
#include "ui/taskbar_created.h"
#include "upkeep/pc_upkeep.h"

namespace {
MenuWindow* g_hooked = nullptr;
HWND g_hookedHandle = nullptr;
WNDPROC g_previous = nullptr;

bool IsSkinnedLayout(int ltype) { return ltype == 1 || ltype == 2; }

void AfterActivate(MenuWindow& window) {
  if (IsSkinnedLayout(TheApp().Settings.ltype) && IsWindowVisible(window.MenuHandle()) &&
      window.ButtonLayoutFlag())
    window.LoadButton(2);
}

void OnDisplayChange(MenuWindow& window) {
  HWND handle = window.MenuHandle();
  if (TheApp().Settings.ltype == 0) {
    if (!IsIconic(handle) && !IsZoomed(handle)) window.Form_Size();
    return;
  }
  window.HidePopups();
  window.HideSkinnedWindow();
  window.PlaceAtStoredPosition();
}

LRESULT CALLBACK HookProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = g_previous;
  MenuWindow* window = g_hooked;
  if (!previous) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_COPYDATA) {
    RunTrapped("agent message", [&] { HandleAgentMessage(reinterpret_cast<const COPYDATASTRUCT*>(lParam)); });
    return 0;
  }
  if (msg == TaskbarCreatedMessage()) {
    if (HWND tray = ProgramWindow()) SendMessageW(tray, msg, 0, 0);
    return 0;
  }
  if (msg == WM_ACTIVATE) {
    LRESULT result = CallWindowProcW(previous, hwnd, msg, wParam, lParam);
    if (g_hooked) RunTrapped("menu activate", [&] { AfterActivate(*g_hooked); });
    return result;
  }
  if (msg == WM_DISPLAYCHANGE && window) RunTrapped("display change", [&] { OnDisplayChange(*window); });
  if (msg == WM_QUERYENDSESSION) RunTrapped("shutdown upkeep", [] { ShutdownUpkeep(); });
  if (msg == WM_NCDESTROY && hwnd == g_hookedHandle) UnhookMenuWindow();
  return CallWindowProcW(previous, hwnd, msg, wParam, lParam);
}
}  // namespace

void HookMenuWindow(MenuWindow& window) {
  UnhookMenuWindow();
  HWND handle = window.MenuHandle();
  if (!handle) return;
  g_hooked = &window;
  g_hookedHandle = handle;
  g_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookProcedure)));
}

void UnhookMenuWindow() {
  if (!g_hookedHandle) return;
  if (IsWindow(g_hookedHandle))
    SetWindowLongPtrW(g_hookedHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
  g_hooked = nullptr;
  g_hookedHandle = nullptr;
  g_previous = nullptr;
}

MenuWindow* HookedMenuWindow() { return g_hooked; }
