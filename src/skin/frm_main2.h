#pragma once
// frmMain2, the banner window of the skinned layouts: a caption-less bar painted from
// \image\back.png with the colour RGB(35, 35, 35) cut out, four utility buttons, a minimise button
// and two web panes (the banner page and the centre ad). It holds the menu-window hook in layouts 1
// and 2, lines up the floating buttons F0 to F8 in a row above itself, and opens the skinned
// category window of the layout when a floating category button is pressed.
#include <array>
#include <memory>
#include <vector>

#include "agent/menu_window.h"
#include "images/picture.h"
#include "menu/web_pane_view.h"
#include "skin/float_items.h"
#include "skin/frm_float.h"
#include "ui/picture_button.h"
#include "ui/window.h"

inline constexpr int kBannerUtilityId = 300;  // + utility button
inline constexpr int kBannerMinimiseId = 310;
inline constexpr UINT_PTR kBannerStartTimer = 1;  // Timer1: the start-up work, once
inline constexpr COLORREF kBannerKeyColor = RGB(35, 35, 35);
inline constexpr int kMostFloatButtons = 9;

class FrmMain2 : public Window, public MenuWindow {
 public:
  FrmMain2() : Window("frmMain2") {}

  // The operations the agent's commands and the hook reach.
  HWND MenuHandle() const override { return hwnd(); }
  // Lines the floating buttons up above the banner: 0 shows them, 1 shows them with their
  // pictures read again, any other value only moves them. Only while the banner is visible.
  void LoadButton(int mode) override;
  void Load_CateF2() override;  // the floating buttons' items
  void Load_CmdBtn() override;  // the items, and floating buttons beyond the last item unloaded
  void Load_Image() override;   // the minimise and utility buttons' pictures
  void PlaceAtStoredPosition() override;  // Left2 and Top2, else the bottom middle of the screen
  bool ButtonLayoutFlag() const override { return loaded_; }
  void PressFloatingButton(int index) override { FloatButton_Click(index); }
  void HideSkinnedWindow() override;
  void HidePopups() override;
  void ResetCategorySelection() override;
  void SetFixedElement(bool on) override;  // the minimise button
  void CateMain(bool showButtons) override;
  void ShowNotice() override;
  void LoginNotice(int reason) override;

  // The panes back on their pages; the banner, then the visible category window, to the front.
  void WebReload();
  void FloatButton_Click(int index);
  void cmdLBtn_Click(int index);
  void cmdMini_Click();

  const std::vector<FloatItem>& Items() const { return items_; }
  int ButtonCount() const { return mBtnCnt_; }
  // The floating button F<index> when it has been loaded.
  FrmFloat* FloatButton(int index) const;
  WebPaneView& Web11() { return web11_; }
  WebPaneView& Web22() { return web22_; }

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnUnload() override;
  void OnTimer(UINT_PTR id) override;
  void OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void StartUpWork();
  void Paint(HDC dc) const;
  FrmFloat& LoadedFloat(int index);
  bool OpenAlternateLauncher(int index) const;
  void OpenCategoryMenu(int index);
  void PlaceBesideBanner(HWND menu) const;
  void RestoreNormalPictures();

  Picture back_;
  std::array<PictureButton, 4> cmdLBtn_;
  PictureButton cmdMini_;
  WebPaneView web11_, web22_;
  std::vector<FloatItem> items_;
  std::array<std::unique_ptr<FrmFloat>, kMostFloatButtons> floats_;
  int mBtnCnt_ = 7;
  bool loaded_ = false;          // the start-up work is done
  bool activatedOnce_ = false;
  bool floatsMinimised_ = false;  // hidden by the minimise button until the banner is clicked
};

FrmMain2& TheFrmMain2();
