#pragma once
// frmMain, the classic game menu: category buttons in a column, the icons of the selected
// category, four bottom buttons, a minimise button, a notice line and four advertisement panes.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "agent/menu_window.h"
#include "images/picture.h"
#include "menu/category_selection.h"
#include "menu/icon_list.h"
#include "menu/menu_checks.h"
#include "menu/menu_layout.h"
#include "menu/menu_skin.h"
#include "menu/web_pane_view.h"
#include "ui/picture_button.h"
#include "ui/window.h"

// Control ids, for what drives the window from outside: category button i has kCategoryButtonId + i.
inline constexpr int kIconListId = 100;
inline constexpr int kCategoryButtonId = 200;
inline constexpr int kBottomButtonId = 300;
inline constexpr int kMinimiseButtonId = 310;
// The advertisement panes load once the menu has been drawn, so the customer never waits on them.
inline constexpr UINT_PTR kPanesTimer = 2;

class FrmMain : public Window, public MenuWindow {
 public:
  FrmMain() : Window("frmMain") {}

  // The operations the agent's commands reach.
  HWND MenuHandle() const override { return hwnd(); }
  void cmdMenu_Click(int index) override;
  void Load_Notice() override;
  void Form_Size() override;      // the stored width and height
  void Form_Location() override;  // the stored left and top
  void WidthHeightSet() override; // stores the width and height and tells the agent
  void Logo_Change() override;
  void Change_BGIMG() override;
  void CateMain(bool reload) override;
  void ResetCategorySelection() override;
  void SetFixedElement(bool on) override;

  IconList& lvwMain() { return list_; }
  int CurrentCategory() const { return selection_.Current(); }
  WebPaneView& Pane(WebPane pane) { return panes_[static_cast<int>(pane)]; }
  const PatchFlags& Patch() const { return patch_; }
  bool NoticeVisible() const;
  std::string NoticeText() const;

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnUnload() override;
  void OnTimer(UINT_PTR id) override;
  void OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void LoadSkin();
  void CreateControls();
  void LoadPanes();
  void LayOut();
  void Paint();
  void FirstActivation();
  void OnActivated();
  void SetCategoryPicture(int index, bool selected);
  void ActivateIcon();
  void ShowNextNotice();
  void Resized(UINT kind);
  void ClampPosChange(WINDOWPOS& position) const;
  LRESULT HitTest(LPARAM lParam) const;
  std::string CategoryFolder() const;
  bool CategoryShown(int index) const;  // State 1
  int VisibleCategories() const;

  IconList list_;
  std::vector<std::unique_ptr<PictureButton>> cmdMenu_;
  std::array<PictureButton, 4> cmdBMenu_;
  PictureButton cmdState_;
  HWND lblCaption_ = nullptr;
  std::array<WebPaneView, 4> panes_;
  bool panesLoaded_ = false;
  HFONT font_ = nullptr;
  HBRUSH noticeBrush_ = nullptr;

  SkinColors colors_;
  COLORREF noticeColor_ = RGB(232, 237, 245);
  Picture logo_, logoBack_, bottomBack_, menuTop_, menuMid_, menuBot_, frame_;
  std::vector<std::string> notices_;
  size_t noticeIndex_ = 0;

  CategorySelection selection_;
  std::string currentCode_;
  bool activatedOnce_ = false;
  bool storeSize_ = false;  // sizes are stored only once the stored ones were restored
  PatchFlags patch_;
};

FrmMain& TheFrmMain();
