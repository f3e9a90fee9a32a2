#include "skin/frm_main2.h"

#include <algorithm>

#include "agent/menu_hook.h"
#include "skin/banner_places.h"
#include "skin/float_row.h"
#include "skin/frm_notice.h"
#include "skin/image_files.h"
#include "skin/skin_button.h"
#include "skin/skinned_menu.h"
#include "skin/skinned_paint.h"
#include "skin/skinned_places.h"
#include "skin/utility_buttons.h"
#include "skin/window_shape.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/launch.h"
#include "store/processes.h"
#include "store/registry.h"
#include "store/text_util.h"
#include "ui/twips.h"
#include "upkeep/windows_folders.h"

namespace {
// The banner's parts, in twips, where its picture draws their places: the web panes' wells, then
// the utility buttons and the minimise button.
constexpr RECT kWeb11Place{2070, 270, 9090, 1230};
constexpr RECT kWeb22Place{9270, 270, 12270, 1230};
constexpr RECT kMinimisePlace{15210, 150, 15570, 510};
RECT UtilityPlace(int index) { return {12450 + index * 660, 270, 12450 + index * 660 + 630, 1230}; }

// The skinned category windows that are loaded.
std::vector<SkinnedMenu*> LoadedMenus() {
  std::vector<SkinnedMenu*> menus;
  for (SkinnedMenu* menu : {&TheFrmMain4(), &TheFrmMain3()})
    if (menu->IsLoaded()) menus.push_back(menu);
  return menus;
}

bool SkinnedLayout() { return TheApp().Settings.ltype == 1 || TheApp().Settings.ltype == 2; }

// The category button a floating button presses, or -1 for none.
int CategoryButtonFor(int layout, int floatIndex) {
  if (floatIndex == 0) return layout == 1 ? 1 : -1;
  if (floatIndex == 1) return layout == 1 ? 1 : 0;
  return floatIndex - 1;
}
}  // namespace

WindowOptions FrmMain2::Options() const {
  WindowOptions options;
  options.caption = "Tessel";
  options.style = WS_POPUP | WS_CLIPCHILDREN;
  options.exStyle = WS_EX_TOOLWINDOW;
  options.x = 0;
  options.y = 0;
  options.width = TwipsToPixelsX(kBannerSizeTwips.cx);
  options.height = TwipsToPixelsY(kBannerSizeTwips.cy);
  options.background = nullptr;
  return options;
}

void FrmMain2::OnLoad() {
  App& app = TheApp();
  app.MenuUnloadAllowed = false;
  HookMenuWindow(*this);
  SetWindowColorKey(hwnd(), kBannerKeyColor);
  mBtnCnt_ = ReadFloatButtonCount();
  loaded_ = false;
  activatedOnce_ = false;
  floatsMinimised_ = false;
  for (int i = 0; i < 4; ++i) {
    MakeSkinButton(cmdLBtn_[i], hwnd(), kBannerUtilityId + i);
    MoveToTwips(cmdLBtn_[i].hwnd(), UtilityPlace(i));
  }
  MakeSkinButton(cmdMini_, hwnd(), kBannerMinimiseId);
  MoveToTwips(cmdMini_.hwnd(), kMinimisePlace);
  PlaceAtStoredPosition();
  app.MenuReady = true;
}

void FrmMain2::OnUnload() {
  KillTimer(hwnd(), kBannerStartTimer);
  if (HookedMenuWindow() == this) UnhookMenuWindow();
  for (auto& button : floats_)
    if (button) button->Unload();
  web11_.Destroy();
  web22_.Destroy();
  // The notice belongs to the banner's layouts.
  TheFrmNotice().Unload();
  items_.clear();
  loaded_ = false;
  activatedOnce_ = false;
}

void FrmMain2::StartUpWork() {
  KillTimer(hwnd(), kBannerStartTimer);
  back_ = LoadPicture(ImageFile("back.png"));
  InvalidateRect(hwnd(), nullptr, FALSE);
  const std::string& fixed = TheApp().Settings.Fixed;
  if (fixed == "00" || fixed == "10") SetFixedElement(true);
  if (fixed == "01" || fixed == "11") SetFixedElement(false);
  LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, (style & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
  Load_CmdBtn();
  Load_Image();
  loaded_ = true;
  LoadButton(0);
  web11_.Create(hwnd(), WebPane::BannerWeb11);
  web22_.Create(hwnd(), WebPane::BannerWeb22);
  web11_.Move(TwipsToPixels(kWeb11Place));
  web22_.Move(TwipsToPixels(kWeb22Place));
  web11_.NavigateStartPage();
  web22_.NavigateStartPage();
  ShowFrmNotice();
}

void FrmMain2::Load_CateF2() { items_ = BuildFloatItems(TheApp().Categories, ReadButtonLinks(), mBtnCnt_); }

void FrmMain2::Load_CmdBtn() {
  Load_CateF2();
  for (int k = 0; k < kMostFloatButtons; ++k) {
    if (!floats_[k]) continue;
    if (k < static_cast<int>(items_.size()))
      floats_[k]->SetItem(items_[k]);
    else
      floats_[k]->Unload();
  }
}

void FrmMain2::Load_Image() {
  cmdMini_.SetPicture(PictureButton::State::Normal, ImageFile("Mini_N.png"));
  cmdMini_.SetPicture(PictureButton::State::Hover, ImageFile("Mini_O.png"));
  for (int i = 0; i < 4; ++i) {
    std::string name = "cmd0" + std::to_string(i + 1);
    cmdLBtn_[i].SetPicture(PictureButton::State::Normal, ImageFile(name + "_N.png"));
    cmdLBtn_[i].SetPicture(PictureButton::State::Hover, ImageFile(name + "_O.png"));
  }
}

FrmFloat& FrmMain2::LoadedFloat(int index) {
  auto& button = floats_[index];
  if (!button) button = std::make_unique<FrmFloat>(index, [this](int k) { FloatButton_Click(k); });
  if (!button->IsLoaded()) {
    button->SetItem(items_[index]);
    button->Load();
  }
  return *button;
}

FrmFloat* FrmMain2::FloatButton(int index) const {
  if (index < 0 || index >= kMostFloatButtons || !floats_[index] || !floats_[index]->IsLoaded()) return nullptr;
  return floats_[index].get();
}

void FrmMain2::LoadButton(int mode) {
  if (!IsWindowVisible(hwnd())) return;
  RECT banner{};
  GetWindowRect(hwnd(), &banner);
  const int count = static_cast<int>(items_.size());
  const int left = PixelsToTwipsX(banner.left), top = TwipsToPixelsY(FloatTop(PixelsToTwipsY(banner.top)));
  for (int k = 0; k < std::min(count, kMostFloatButtons); ++k) {
    FrmFloat& button = LoadedFloat(k);
    SetWindowPos(button.hwnd(), nullptr, TwipsToPixelsX(FloatLeft(left, k, count)), top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (mode == 0 || mode == 1) ShowWindow(button.hwnd(), SW_SHOWNOACTIVATE);
    if (mode == 1) button.SetImage();
  }
}

void FrmMain2::PlaceAtStoredPosition() {
  RECT place{};
  GetWindowRect(hwnd(), &place);
  POINT corner = BannerCorner({place.right - place.left, place.bottom - place.top});
  SetWindowPos(hwnd(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (loaded_) LoadButton(2);
}

void FrmMain2::HideSkinnedWindow() {
  for (SkinnedMenu* menu : LoadedMenus()) menu->HideMenu();
}

void FrmMain2::HidePopups() {
  for (auto& button : floats_)
    if (button && button->IsLoaded()) ShowWindow(button->hwnd(), SW_HIDE);
}

void FrmMain2::ResetCategorySelection() {
  for (SkinnedMenu* menu : LoadedMenus()) menu->ResetCategorySelection();
}

void FrmMain2::SetFixedElement(bool on) { cmdMini_.Show(on); }

void FrmMain2::CateMain(bool showButtons) {
  if (!SkinnedLayout()) return;
  SkinnedMenu& menu = SkinnedMenuOf(TheApp().Settings.ltype);
  if (menu.IsLoaded()) menu.CateMain(showButtons);
}

void FrmMain2::ShowNotice() {
  TheFrmNotice().Unload();
  ShowFrmNotice();
}

void FrmMain2::LoginNotice(int reason) {
  if (SkinnedLayout()) SkinnedMenuOf(TheApp().Settings.ltype).LoginNotice(reason);
}

void FrmMain2::WebReload() {
  if (!loaded_) return;
  // The banner page is loaded again even when it is the one shown; the ad stays when it is.
  web11_.Navigate(PaneStartPage(WebPane::BannerWeb11));
  if (web22_.CurrentPage() != PaneStartPage(WebPane::BannerWeb22)) web22_.NavigateStartPage();
  TrimWorkingSet();
  const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, flags);
  for (SkinnedMenu* menu : LoadedMenus())
    if (IsWindowVisible(menu->hwnd())) SetWindowPos(menu->hwnd(), HWND_TOP, 0, 0, 0, 0, flags);
}

void FrmMain2::FloatButton_Click(int index) {
  if (index >= 0 && index < static_cast<int>(items_.size())) {
    const FloatItem item = items_[index];
    if (item.isLink) {
      if (!Trim(item.target).empty() && !ShellOpen("IEXPLORE.EXE", item.target)) ShellOpen(item.target);
    } else if (!OpenAlternateLauncher(index)) {
      OpenCategoryMenu(index);
    }
  }
  WebReload();
}

// With dwGDoctor 5, a category button opens <Windows folder>\GDL\L<k>.gdl instead of the menu.
bool FrmMain2::OpenAlternateLauncher(int index) const {
  if (index == 0 || RegReadDword(HKEY_CURRENT_USER, kTesselKey, "dwGDoctor") != 5) return false;
  std::string folder = JoinPath(ToolWindowsFolder(), "GDL");
  std::string file = JoinPath(folder, "L" + std::to_string(index) + ".gdl");
  if (!FileExists(file)) return false;
  ShellOpen(file, "", folder);
  return true;
}

void FrmMain2::OpenCategoryMenu(int index) {
  if (!SkinnedLayout()) return;
  const int layout = TheApp().Settings.ltype;
  SkinnedMenu& menu = SkinnedMenuOf(layout);
  if (!menu.Load()) return;
  if (layout == 1 || !IsWindowVisible(menu.hwnd())) ShowWindow(menu.hwnd(), SW_SHOW);
  menu.CateMain(true);
  if (int button = CategoryButtonFor(layout, index); button >= 0) menu.cmdBtn_Click(button);
  PlaceBesideBanner(menu.hwnd());
  SetForegroundWindow(menu.hwnd());
}

void FrmMain2::PlaceBesideBanner(HWND menu) const {
  RECT banner{}, place{};
  GetWindowRect(hwnd(), &banner);
  GetWindowRect(menu, &place);
  POINT corner = MenuCornerBesideBanner({place.right - place.left, place.bottom - place.top}, banner);
  SetWindowPos(menu, HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE);
}

void FrmMain2::cmdLBtn_Click(int index) { RunUtilityButton(index); }

void FrmMain2::cmdMini_Click() {
  HidePopups();
  HideSkinnedWindow();
  floatsMinimised_ = true;
}

void FrmMain2::RestoreNormalPictures() {
  for (PictureButton& button : cmdLBtn_)
    if (button.state() == PictureButton::State::Hover) button.Leave();
  if (cmdMini_.state() == PictureButton::State::Hover) cmdMini_.Leave();
}

void FrmMain2::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  // Whatever the picture leaves transparent is the key colour, which the screen cuts out.
  HBRUSH key = CreateSolidBrush(kBannerKeyColor);
  FillRect(dc, &client, key);
  DeleteObject(key);
  DrawPicture(dc, back_, client);
}

void FrmMain2::OnTimer(UINT_PTR id) {
  if (id == kBannerStartTimer) StartUpWork();
}

void FrmMain2::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id >= kBannerUtilityId && id < kBannerUtilityId + 4) return cmdLBtn_Click(id - kBannerUtilityId);
  if (id == kBannerMinimiseId) cmdMini_Click();
}

std::optional<LRESULT> FrmMain2::OnMessage(UINT msg, WPARAM wParam, LPARAM) {
  if (auto painted = PaintWhole(hwnd(), msg, wParam, [this](HDC dc) { Paint(dc); })) return painted;
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !activatedOnce_) {
        activatedOnce_ = true;
        SetTimer(hwnd(), kBannerStartTimer, 10, nullptr);
      }
      return std::nullopt;
    case WM_SIZE:
    case WM_EXITSIZEMOVE:
      // The row follows the banner once it has been laid out.
      if (loaded_) LoadButton(2);
      return std::nullopt;
    case WM_MOUSEMOVE:
      RestoreNormalPictures();
      if (wParam & MK_LBUTTON) DragWindow(hwnd(), 1);
      return 0;
    case WM_LBUTTONUP:
      if (floatsMinimised_) {
        floatsMinimised_ = false;
        LoadButton(0);
      }
      return 0;
    case WM_SYSCOMMAND:
      // The customer cannot close the banner; the program closes it when it quits or switches layout.
      if ((wParam & 0xFFF0) == SC_CLOSE && !TheApp().MenuUnloadAllowed) return 0;
      return std::nullopt;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) {
        if (HookedMenuWindow() == this) UnhookMenuWindow();
        Unload();
      }
      return 0;
    default:
      return std::nullopt;
  }
}

FrmMain2& TheFrmMain2() {
  static FrmMain2 window;
  return window;
}
