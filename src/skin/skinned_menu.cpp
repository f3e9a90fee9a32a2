#include "skin/skinned_menu.h"

#include <algorithm>

#include "catalog/game_entries.h"
#include "catalog/title_set.h"
#include "menu/folder_listing.h"
#include "menu/icon_activation.h"
#include "menu/launcher.h"
#include "menu/menu_skin.h"
#include "skin/banner_places.h"
#include "skin/frm_main2.h"
#include "skin/image_files.h"
#include "skin/png_over_background.h"
#include "skin/skin_button.h"
#include "skin/skinned_paint.h"
#include "skin/window_shape.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/processes.h"
#include "store/text_util.h"
#include "ui/twips.h"

namespace {
// The pictures that tell the layouts apart.
struct LayoutPictures {
  const char* background;
  const char* categorySuffix;  // menu_<Code><suffix>n.png
  const char* closeNormal;
  const char* closeHover;
  const char* menuSuffix;  // <Args><suffix>N.png
  const char* listBack;
};
constexpr LayoutPictures kPictures1{"clt_bg.png", "", "X_N.jpg", "X_O.JPG", "_", "catebg.png"};
constexpr LayoutPictures kPictures2{"clt_bg2.png", "2", "X_2N.PNG", "X_2O.PNG", "_2", "catebg2.png"};

const LayoutPictures& PicturesOf(int layout) { return layout == 1 ? kPictures1 : kPictures2; }

constexpr COLORREF kBackColor = RGB(27, 33, 44);

std::string CategoryPicture(int layout, const Category& category, const char* state) {
  return ImageFile("menu_" + Trim(category.Code) + PicturesOf(layout).categorySuffix + state + ".png");
}

RECT Offset(RECT rect, int x, int y) {
  OffsetRect(&rect, x, y);
  return rect;
}

std::unique_ptr<PictureButton> SkinButton(HWND parent, int id) {
  auto button = std::make_unique<PictureButton>();
  MakeSkinButton(*button, parent, id);
  return button;
}

std::vector<const GameLauncherEntry*> LaunchersInUse() {
  std::vector<const GameLauncherEntry*> inUse;
  const auto& launchers = TheApp().GameLaunchers;
  for (size_t i = 1; i < launchers.size(); ++i)
    if (launchers[i].State == 1) inUse.push_back(&launchers[i]);
  return inUse;
}
}  // namespace

SkinnedMenu::SkinnedMenu(int layout) : Window(layout == 1 ? "frmMain4" : "frmMain3"), layout_(layout) {}

WindowOptions SkinnedMenu::Options() const {
  SkinnedPlaces places = PlaceSkinnedMenu(layout_, 0, 0);
  WindowOptions options;
  options.caption = "Tessel";
  options.style = WS_POPUP | WS_CLIPCHILDREN;
  options.exStyle = WS_EX_TOOLWINDOW;
  options.width = TwipsToPixelsX(places.window.cx);
  options.height = TwipsToPixelsY(places.window.cy);
  // Where a floating button will place it: it does not jump when it is first opened.
  POINT corner = MenuCornerBesideBanner({options.width, options.height}, BannerPlace());
  options.x = corner.x;
  options.y = corner.y;
  options.background = nullptr;
  return options;
}

void SkinnedMenu::OnLoad() {
  TheApp().MenuReady = true;
  activatedOnce_ = false;
  hotKeyRunning_ = false;
  stripLeft_ = 0;
  selection_.Reset();
  picBack_.Create(hwnd(), 0, 0, 1, 1, false, kBackColor);
  scratch_.Create(hwnd(), 0, 0, 1, 1, false, kBackColor);
  ShowWindow(picBack_.hwnd(), SW_HIDE);
  ShowWindow(scratch_.hwnd(), SW_HIDE);
  // The lists take the skin's list colour (Color.ini), which the background pictures' panels share.
  const COLORREF listColor = ReadSkinColors().list;
  for (int i = 0; i < ListCount(); ++i) {
    lists_[i].list.Create(hwnd(), kSkinnedListId + i);
    lists_[i].list.SetColors(listColor, ReadableTextOn(listColor));
  }
  MakeSkinButton(cmdState_, hwnd(), kSkinnedCloseId);
  if (layout_ == 1) {
    // The background picture draws the strip's arrows; these buttons are where they take clicks.
    MakeSkinButton(cmdLeft_, hwnd(), kSkinnedLeftId);
    MakeSkinButton(cmdRight_, hwnd(), kSkinnedRightId);
  }
  places_ = PlaceSkinnedMenu(layout_, 0, 0);
  PlaceWindow();
}

void SkinnedMenu::OnUnload() {
  KillTimer(hwnd(), kSkinnedStartTimer);
  KillTimer(hwnd(), kSkinnedHotKeyTimer);
  hotKeyRunning_ = false;
  cmdBtn_.clear();
  cmdMenu_.clear();
  menuTags_.clear();
  for (TaggedList& list : lists_) {
    list.list.Destroy();
    list.tag.clear();
  }
}

void SkinnedMenu::StartUpWork() {
  KillTimer(hwnd(), kSkinnedStartTimer);
  if (layout_ == 1) LoadSponsoredIconsWhenAsked(lists_[0].list);
  LoadGameEntries();
  selection_.Reset();
  if (layout_ == 2) SetRoundWindowRegion(hwnd());
  ShowWindow(hwnd(), SW_HIDE);
  TrimWorkingSet();
}

void SkinnedMenu::CateMain(bool showButtons) {
  const auto& categories = TheApp().Categories;
  std::vector<const GameLauncherEntry*> launchers = LaunchersInUse();
  places_ = PlaceSkinnedMenu(layout_, static_cast<int>(categories.size()) - 1, static_cast<int>(launchers.size()));
  PlaceWindow();
  cmdState_.SetPicture(PictureButton::State::Normal, ImageFile(PicturesOf(layout_).closeNormal));
  cmdState_.SetPicture(PictureButton::State::Hover, ImageFile(PicturesOf(layout_).closeHover));
  ComposeBackground();
  BuildMenuButtons();
  BuildCategoryButtons(showButtons);
  if (layout_ == 1) ListFirstCategory();
  TrimWorkingSet();
  StartEscPoll();
}

void SkinnedMenu::PlaceWindow() {
  SetWindowPos(hwnd(), nullptr, 0, 0, TwipsToPixelsX(places_.window.cx), TwipsToPixelsY(places_.window.cy),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The rounded outline follows the size; it is first given by the start-up work.
  if (layout_ == 2 && activatedOnce_) SetRoundWindowRegion(hwnd());
  MoveToTwips(cmdState_.hwnd(), places_.close);
  for (int i = 0; i < ListCount(); ++i) MoveToTwips(lists_[i].list.hwnd(), places_.lists[i]);
}

void SkinnedMenu::ComposeBackground() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  picBack_.ResizeInner(client.right, client.bottom);
  picBack_.Clear();
  DrawPicture(picBack_.Image(), LoadPicture(ImageFile(PicturesOf(layout_).background)), client);
  const auto& categories = TheApp().Categories;
  if (layout_ == 1 && categories.size() > 1)
    DrawPicture(picBack_.Image(), LoadPicture(CategoryPicture(1, categories[1], "n")), TwipsToPixels(places_.title));
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void SkinnedMenu::PaintBackground(HDC dc) const {
  BitBlt(dc, 0, 0, picBack_.InnerWidth(), picBack_.InnerHeight(), picBack_.Image(), 0, 0, SRCCOPY);
}

void SkinnedMenu::BuildCategoryButtons(bool showButtons) {
  cmdBtn_.clear();
  const auto& categories = TheApp().Categories;
  for (size_t i = 1; i < categories.size(); ++i) {
    int index = static_cast<int>(i) - 1;
    cmdBtn_.push_back(SkinButton(hwnd(), kSkinnedCategoryId + index));
    if (index > 0) MoveToTwips(cmdBtn_.back()->hwnd(), places_.categories[index]);
    SetCategoryPicture(index, selection_.Listed() && index == selection_.Current());
    cmdBtn_.back()->Show(index > 0 && showButtons && categories[i].State == "1");
  }
}

void SkinnedMenu::SetCategoryPicture(int index, bool selected) {
  const auto& categories = TheApp().Categories;
  if (index < 0 || index >= static_cast<int>(cmdBtn_.size()) || index + 1 >= static_cast<int>(categories.size()))
    return;
  const Category& category = categories[index + 1];
  PictureButton& button = *cmdBtn_[index];
  std::string chosen = CategoryPicture(layout_, category, "o");
  button.SetPicture(PictureButton::State::Normal, selected ? chosen : CategoryPicture(layout_, category, "n"));
  button.SetPicture(PictureButton::State::Hover, chosen);
}

void SkinnedMenu::BuildMenuButtons() {
  cmdMenu_.clear();
  menuTags_.clear();
  stripLeft_ = 0;
  const char* suffix = PicturesOf(layout_).menuSuffix;
  for (const GameLauncherEntry* entry : LaunchersInUse()) {
    int k = static_cast<int>(cmdMenu_.size());
    cmdMenu_.push_back(SkinButton(hwnd(), kSkinnedMenuButtonId + k));
    menuTags_.push_back(entry->Args);
    PictureButton& button = *cmdMenu_.back();
    std::string normal = ImageFile(entry->Args + suffix + "N.png"), hover = ImageFile(entry->Args + suffix + "O.png");
    if (layout_ == 1) {
      button.SetPicture(PictureButton::State::Normal, normal);
      button.SetPicture(PictureButton::State::Hover, hover);
      continue;
    }
    RECT place = TwipsToPixels(MenuButtonPlace(2, k));
    button.SetPicture(PictureButton::State::Normal, PngOverBackground(normal, picBack_, place, scratch_));
    button.SetPicture(PictureButton::State::Hover, PngOverBackground(hover, picBack_, place, scratch_));
  }
  PlaceMenuButtons();
}

void SkinnedMenu::PlaceMenuButtons() {
  const int count = static_cast<int>(cmdMenu_.size());
  const RECT& frame = places_.frame;
  for (int k = 0; k < count; ++k) {
    RECT place = MenuButtonPlace(layout_, k);
    if (layout_ == 1) place = Offset(place, frame.left + stripLeft_, frame.top);
    MoveToTwips(cmdMenu_[k]->hwnd(), place);
    // The strip's frame shows whole buttons only.
    cmdMenu_[k]->Show(layout_ == 2 || (place.left >= frame.left && place.right <= frame.right));
  }
  if (layout_ != 1) return;
  bool scrolls = StripWidth(count) > frame.right - frame.left;
  MoveToTwips(cmdLeft_.hwnd(), places_.cmdLeft);
  MoveToTwips(cmdRight_.hwnd(), places_.cmdRight);
  cmdLeft_.Show(scrolls);
  cmdRight_.Show(scrolls);
}

void SkinnedMenu::cmdLeft_Click() {
  stripLeft_ = StripLeftAfterLeft(stripLeft_, StripWidth(static_cast<int>(cmdMenu_.size())),
                                  places_.frame.right - places_.frame.left);
  PlaceMenuButtons();
}

void SkinnedMenu::cmdRight_Click() {
  stripLeft_ = StripLeftAfterRight(stripLeft_, StripWidth(static_cast<int>(cmdMenu_.size())),
                                   places_.frame.right - places_.frame.left);
  PlaceMenuButtons();
}

void SkinnedMenu::ListFirstCategory() {
  const auto& categories = TheApp().Categories;
  if (categories.size() < 2) return;
  const Category& first = categories[1];
  TaggedList& target = lists_[0];
  ClearListedTitles();
  LoadSponsoredIconsWhenAsked(target.list);
  ListFolders(target.list, {{"VdAd", IconMark::Sponsored}});
  SyncCategoryFiles(first);
  AddFolder(target.list, JoinPath(TheApp().ProgramFolder, first.Tag), IconMark::Category);
  target.tag = first.Tag;
}

void SkinnedMenu::cmdBtn_Click(int index) {
  const auto& categories = TheApp().Categories;
  if (index < 0 || index + 1 >= static_cast<int>(categories.size()) || selection_.IsRepeat(index)) return;
  SetCategoryPicture(selection_.Current(), false);
  SetCategoryPicture(index, true);
  selection_.Select(index);
  const Category& category = categories[index + 1];
  if (EqualsIgnoreCaseAscii(Trim(category.Code), "PG")) OpenBoardLauncher();
  ClearListedTitles();
  if (layout_ == 2) LoadSponsoredIconsWhenAsked(ChosenList().list);
  // The first nine categories alone are listed: the others are selected without icons.
  if (index < 9) {
    selection_.SyncFolderOnce(index, category);
    ListChosenCategory(category);
  }
  TrimWorkingSet();
}

void SkinnedMenu::ListChosenCategory(const Category& category) {
  TaggedList& target = ChosenList();
  if (layout_ == 1)
    ListFolders(target.list, {{category.Tag, IconMark::Category}});
  else
    ListFolders(target.list, {{"VdAd", IconMark::Sponsored}, {category.Tag, IconMark::Category}});
  target.tag = category.Tag;
  selection_.MarkListed();
  std::string back = ImageFile(PicturesOf(layout_).listBack);
  if (FileExists(back)) target.list.SetBackPicture(LoadPicture(back));
}

void SkinnedMenu::ActivateIcon(int listIndex) {
  const TaggedList& source = lists_[listIndex];
  ActivateChosenIcon(source.list, JoinPath(TheApp().ProgramFolder, source.tag));
  TrimWorkingSet();
}

void SkinnedMenu::cmdMenu_Click(int index) {
  if (index < 0 || index >= static_cast<int>(menuTags_.size())) return;
  StartGameLauncher("/" + menuTags_[index]);
  TheFrmMain2().WebReload();
}

void SkinnedMenu::cmdState_Click() {
  TrimWorkingSet();
  HideMenu();
}

void SkinnedMenu::HideMenu() {
  KillTimer(hwnd(), kSkinnedHotKeyTimer);
  hotKeyRunning_ = false;
  ShowWindow(hwnd(), SW_HIDE);
}

void SkinnedMenu::StartEscPoll() {
  SetTimer(hwnd(), kSkinnedHotKeyTimer, 400, nullptr);
  hotKeyRunning_ = true;
}

void SkinnedMenu::PollEscape() {
  if (!IsWindowVisible(hwnd())) return;
  if (GetAsyncKeyState(VK_ESCAPE) & 0x8000) HideMenu();
}

void SkinnedMenu::LoginNotice(int reason) {
  if (reason != 1 || !IsLoaded()) return;
  if (cmdBtn_.empty()) CateMain(true);
  ShowWindow(hwnd(), SW_SHOW);
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  StartEscPoll();
}

void SkinnedMenu::RestoreNormalPictures() {
  for (auto* group : {&cmdBtn_, &cmdMenu_})
    for (auto& button : *group)
      if (button->state() == PictureButton::State::Hover) button->Leave();
  for (PictureButton* button : {&cmdState_, &cmdLeft_, &cmdRight_})
    if (button->state() == PictureButton::State::Hover) button->Leave();
}

void SkinnedMenu::OnTimer(UINT_PTR id) {
  if (id == kSkinnedStartTimer) StartUpWork();
  if (id == kSkinnedHotKeyTimer) PollEscape();
}

void SkinnedMenu::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id >= kSkinnedCategoryId && id < kSkinnedCategoryId + static_cast<int>(cmdBtn_.size()))
    return cmdBtn_Click(id - kSkinnedCategoryId);
  if (id >= kSkinnedMenuButtonId && id < kSkinnedMenuButtonId + static_cast<int>(cmdMenu_.size()))
    return cmdMenu_Click(id - kSkinnedMenuButtonId);
  if (id == kSkinnedCloseId) return cmdState_Click();
  if (id == kSkinnedLeftId) return cmdLeft_Click();
  if (id == kSkinnedRightId) cmdRight_Click();
}

std::optional<LRESULT> SkinnedMenu::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (auto painted = PaintWhole(hwnd(), msg, wParam, [this](HDC dc) { PaintBackground(dc); })) return painted;
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !activatedOnce_) {
        activatedOnce_ = true;
        SetTimer(hwnd(), kSkinnedStartTimer, 100, nullptr);
      }
      return std::nullopt;
    case WM_MOUSEMOVE:
      RestoreNormalPictures();
      if (wParam & MK_LBUTTON) DragWindow(hwnd(), 1);
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      for (int i = 0; i < ListCount(); ++i) {
        if (std::optional<LRESULT> answer = lists_[i].list.OnNotify(*header)) return answer;
        if (header->hwndFrom == lists_[i].list.hwnd() && (header->code == NM_DBLCLK || header->code == NM_RETURN))
          ActivateIcon(i);
      }
      return std::nullopt;
    }
    case WM_SYSCOMMAND:
      // The customer hides the menu; only the program unloads it.
      if ((wParam & 0xFFF0) == SC_CLOSE && !TheApp().MenuUnloadAllowed) return 0;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

SkinnedMenu& TheFrmMain4() {
  static SkinnedMenu window(1);
  return window;
}

SkinnedMenu& TheFrmMain3() {
  static SkinnedMenu window(2);
  return window;
}

SkinnedMenu& SkinnedMenuOf(int layout) { return layout == 2 ? TheFrmMain3() : TheFrmMain4(); }
