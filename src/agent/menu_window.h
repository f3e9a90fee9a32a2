#pragma once
// What the menu-window hook and the agent link need from the menu window in use: the classic
// window frmMain (layout 0) or the banner window frmMain2 (layouts 1 and 2). The window that
// hooks itself (HookMenuWindow) implements this; an element it does not have is left at the
// default, which does nothing.
#include <windows.h>

class MenuWindow {
 public:
  virtual ~MenuWindow() = default;
  virtual HWND MenuHandle() const = 0;

  // Classic window.
  virtual void Form_Size() {}
  virtual void Form_Location() {}
  virtual void cmdMenu_Click(int /*index*/) {}
  virtual void Load_Notice() {}
  virtual void CateMain(bool /*reload*/) {}
  virtual void WidthHeightSet() {}
  virtual void Logo_Change() {}
  virtual void Change_BGIMG() {}

  // Banner window and the skinned category windows beside it.
  virtual void LoadButton(int /*mode*/) {}
  virtual void Load_CateF2() {}
  virtual void Load_CmdBtn() {}
  virtual void Load_Image() {}
  virtual void PlaceAtStoredPosition() {}
  virtual bool ButtonLayoutFlag() const { return false; }  // WM_ACTIVATE re-lays the floating buttons
  virtual void PressFloatingButton(int /*index*/) {}
  virtual void HideSkinnedWindow() {}  // the skinned category window, its timer stopped
  virtual void HidePopups() {}         // the category popups F0 to F8
  virtual void ShowNotice() {}         // the notice window, unloaded and shown with its lines read anew
  // The administrator login was refused or cancelled (reason 1); the skinned category window
  // of the layout hears of it.
  virtual void LoginNotice(int /*reason*/) {}

  // Both.
  virtual void ResetCategorySelection() {}
  virtual void SetFixedElement(bool /*on*/) {}  // the element that pins the window in place
  virtual void ClearWebReloadFlag() {}          // no web pane reload at the next show
};
