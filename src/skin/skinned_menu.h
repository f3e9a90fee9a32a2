#pragma once
// The skinned category windows: frmMain4 (layout 1) and frmMain3 (layout 2). Caption-less windows
// painted from the pictures of \image\: a background, one button per category (cmdBtn, button i-1
// for category i), one per game launcher entry in use (cmdMenu), a close button (cmdState) and the
// icon lists: in layout 1 list 0 always shows the first category and list 1 the chosen one, in
// layout 2 one list shows the chosen category. Hidden after their start-up work, shown by the
// banner's floating buttons, hidden again by the close button or Esc.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "menu/category_selection.h"
#include "menu/icon_list.h"
#include "skin/picture_box.h"
#include "skin/skinned_places.h"
#include "ui/picture_button.h"
#include "ui/window.h"

// Control ids, for what drives the window from outside.
inline constexpr int kSkinnedListId = 100;           // + list index
inline constexpr int kSkinnedCategoryId = 200;       // + button index
inline constexpr int kSkinnedMenuButtonId = 400;     // + launcher button index
inline constexpr int kSkinnedCloseId = 310;
inline constexpr int kSkinnedLeftId = 311;
inline constexpr int kSkinnedRightId = 312;
inline constexpr UINT_PTR kSkinnedStartTimer = 1;    // Timer1: the start-up work, once
inline constexpr UINT_PTR kSkinnedHotKeyTimer = 2;   // TimerHotKey: the Esc poll

class SkinnedMenu : public Window {
 public:
  explicit SkinnedMenu(int layout);
  int Layout() const { return layout_; }

  // Rebuilds the buttons; layout 1 also lists the first category in list 0.
  void CateMain(bool showButtons);
  void cmdBtn_Click(int index);
  void cmdMenu_Click(int index);
  void cmdState_Click();
  void cmdLeft_Click();
  void cmdRight_Click();
  // Hidden with its Esc poll stopped.
  void HideMenu();
  void ResetCategorySelection() { selection_.Reset(); }
  // The administrator login was refused or cancelled (reason 1): the customer gets the menu back.
  void LoginNotice(int reason);

  IconList& lvwMain(int index) { return lists_[index].list; }
  int ListCount() const { return layout_ == 1 ? 2 : 1; }
  int CurrentCategory() const { return selection_.Current(); }
  bool EscPollRunning() const { return hotKeyRunning_; }
  int StripLeft() const { return stripLeft_; }  // twips, 0 or less

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnUnload() override;
  void OnTimer(UINT_PTR id) override;
  void OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  struct TaggedList {
    IconList list;
    std::string tag;  // the folder its icons come from, under the program folder
  };

  void StartUpWork();
  void PollEscape();
  void StartEscPoll();
  void PlaceWindow();
  void ComposeBackground();
  void PaintBackground(HDC dc) const;
  void BuildCategoryButtons(bool showButtons);
  void BuildMenuButtons();
  void PlaceMenuButtons();
  void SetCategoryPicture(int index, bool selected);
  void ListFirstCategory();
  void ListChosenCategory(const Category& category);
  void ActivateIcon(int listIndex);
  void RestoreNormalPictures();
  TaggedList& ChosenList() { return lists_[layout_ == 1 ? 1 : 0]; }

  int layout_;
  SkinnedPlaces places_;
  PictureBox picBack_;  // the window's picture: background (and title), what buttons blend over
  PictureBox scratch_;  // where the decoder draws layout 2's menu buttons
  std::array<TaggedList, 2> lists_;
  std::vector<std::unique_ptr<PictureButton>> cmdBtn_;
  std::vector<std::unique_ptr<PictureButton>> cmdMenu_;
  std::vector<std::string> menuTags_;  // the launcher entries' Args, by menu button
  PictureButton cmdState_, cmdLeft_, cmdRight_;
  CategorySelection selection_;
  int stripLeft_ = 0;
  bool activatedOnce_ = false;
  bool hotKeyRunning_ = false;
};

SkinnedMenu& TheFrmMain4();
SkinnedMenu& TheFrmMain3();
// The skinned category window of layout 1 or 2.
SkinnedMenu& SkinnedMenuOf(int layout);
