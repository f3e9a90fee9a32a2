#include "menu/frm_main.h"

#include <windowsx.h>

#include "agent/agent_link.h"
#include "agent/menu_hook.h"
#include "catalog/game_entries.h"
#include "catalog/title_set.h"
#include "menu/bottom_buttons.h"
#include "menu/folder_listing.h"
#include "menu/icon_activation.h"
#include "menu/menu_geometry.h"
#include "menu/notice.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/launch.h"
#include "store/processes.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/twips.h"

namespace {
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kNoticeMilliseconds = 5000;
// At 100 %, like the skin's pictures.
constexpr int kResizeEdge = 6;
constexpr SIZE kDefaultSize{1000, 720};
constexpr int kFontHeight = 14;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

void Place(HWND control, const RECT& area) {
  if (control) MoveWindow(control, area.left, area.top, Width(area), Height(area), TRUE);
}

std::string CategoryPicture(const Category& category, const char* state) {
  return "menu_" + Trim(category.Code) + state + ".jpg";
}

// The owner's logo (MLogo: a file of the skin folder or a full path), else the skin's Logo in any
// of the picture formats.
std::string LogoFile() {
  std::string chosen = Trim(TheApp().Settings.MLogo);
  if (!chosen.empty()) {
    if (FileExists(chosen)) return chosen;
    if (FileExists(SkinFile(chosen))) return SkinFile(chosen);
  }
  for (const char* name : {"Logo.jpg", "Logo.bmp", "Logo.gif", "Logo.png"})
    if (FileExists(SkinFile(name))) return SkinFile(name);
  return {};
}
}  // namespace

WindowOptions FrmMain::Options() const {
  WindowOptions options;
  options.caption = "Tessel";
  options.style = WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU | WS_CLIPCHILDREN;
  options.exStyle = WS_EX_APPWINDOW;
  SIZE size = ClampMenuSize({ScaledPixels(kDefaultSize.cx), ScaledPixels(kDefaultSize.cy)}, ScreenSize());
  SIZE screen = ScreenSize();
  options.x = (screen.cx - size.cx) / 2;
  options.y = (screen.cy - size.cy) / 2;
  options.width = size.cx;
  options.height = size.cy;
  options.background = nullptr;
  return options;
}

void FrmMain::OnLoad() {
  App& app = TheApp();
  HookMenuWindow(*this);
  currentCode_ = "BG";
  selection_.Reset();
  CreateControls();
  LoadSkin();
  // Timers come after painting, so this waits until the window is drawn.
  SetTimer(hwnd(), kPanesTimer, USER_TIMER_MINIMUM, nullptr);
  RegisterRunKey();
  patch_ = ReadPatchFlags();
  app.MenuReady = true;
}

void FrmMain::OnUnload() {
  KillTimer(hwnd(), kTimer1);
  KillTimer(hwnd(), kPanesTimer);
  UnhookMenuWindow();
  cmdMenu_.clear();
  for (WebPaneView& pane : panes_) pane.Destroy();
  panesLoaded_ = false;
  list_.Destroy();
  if (font_) DeleteObject(font_);
  if (noticeBrush_) DeleteObject(noticeBrush_);
  font_ = nullptr;
  noticeBrush_ = nullptr;
  activatedOnce_ = false;
  storeSize_ = false;
}

void FrmMain::CreateControls() {
  font_ = CreateFontW(-ScaledPixels(kFontHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"NanumGothic");
  list_.Create(hwnd(), kIconListId);
  SendMessageW(list_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  lblCaption_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, 0,
                                0, 0, 0, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(lblCaption_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (int i = 0; i < 4; ++i) {
    cmdBMenu_[i].Create(hwnd(), kBottomButtonId + i, 0, 0, 0, 0);
    std::string name = "Cmd0" + std::to_string(i + 1);
    cmdBMenu_[i].SetPicture(PictureButton::State::Normal, SkinFile(name + "_N.jpg"));
    cmdBMenu_[i].SetPicture(PictureButton::State::Hover, SkinFile(name + "_O.jpg"));
  }
  cmdState_.Create(hwnd(), kMinimiseButtonId, 0, 0, 0, 0);
  cmdState_.SetPicture(PictureButton::State::Normal, SkinFile("Mini_N.jpg"));
  cmdState_.SetPicture(PictureButton::State::Hover, SkinFile("Mini_O.jpg"));
  CateMain(false);
}

void FrmMain::LoadPanes() {
  KillTimer(hwnd(), kPanesTimer);
  if (panesLoaded_) return;
  panesLoaded_ = true;
  for (int i = 0; i < 4; ++i) panes_[i].Create(hwnd(), static_cast<WebPane>(i));
  LayOut();
  for (WebPaneView& pane : panes_) pane.NavigateStartPage();
}

void FrmMain::LoadSkin() {
  colors_ = ReadSkinColors();
  if (noticeBrush_) DeleteObject(noticeBrush_);
  noticeBrush_ = CreateSolidBrush(colors_.banner);
  Change_BGIMG();
  frame_ = LoadMenuFrame();
  Logo_Change();
}

void FrmMain::CateMain(bool) {
  cmdMenu_.clear();
  const auto& categories = TheApp().Categories;
  for (size_t i = 1; i < categories.size(); ++i) {
    auto button = std::make_unique<PictureButton>();
    button->Create(hwnd(), kCategoryButtonId + static_cast<int>(i - 1), 0, 0, 0, 0);
    button->Show(CategoryShown(static_cast<int>(i - 1)));
    // The first picture comes from the current skin, later ones from the shared default skin.
    button->SetPicture(PictureButton::State::Normal, SkinFile(CategoryPicture(categories[i], "n")));
    button->SetPicture(PictureButton::State::Hover, DefaultSkinFile(CategoryPicture(categories[i], "o")));
    cmdMenu_.push_back(std::move(button));
  }
  LayOut();
}

bool FrmMain::CategoryShown(int index) const {
  const auto& categories = TheApp().Categories;
  return index >= 0 && index + 1 < static_cast<int>(categories.size()) && categories[index + 1].State == "1";
}

int FrmMain::VisibleCategories() const {
  int count = 0;
  for (int i = 0; i < static_cast<int>(cmdMenu_.size()); ++i) count += CategoryShown(i) ? 1 : 0;
  return count;
}

void FrmMain::SetCategoryPicture(int index, bool selected) {
  const auto& categories = TheApp().Categories;
  if (index < 0 || index >= static_cast<int>(cmdMenu_.size()) || index + 1 >= static_cast<int>(categories.size()))
    return;
  const Category& category = categories[index + 1];
  PictureButton& button = *cmdMenu_[index];
  std::string normal = DefaultSkinFile(CategoryPicture(category, selected ? "s" : "n"));
  button.SetPicture(PictureButton::State::Normal, normal);
  button.SetPicture(PictureButton::State::Hover,
                    selected ? normal : DefaultSkinFile(CategoryPicture(category, "o")));
}

void FrmMain::LayOut() {
  RECT client;
  if (!GetClientRect(hwnd(), &client)) return;
  MenuLayout layout = LayOutMenu({client.right, client.bottom}, VisibleCategories());
  Place(list_.hwnd(), layout.list);
  Place(lblCaption_, layout.notice);
  Place(cmdState_.hwnd(), layout.minimise);
  for (int i = 0; i < 4; ++i) Place(cmdBMenu_[i].hwnd(), layout.bottomButtons[i]);
  const RECT* paneAreas[] = {&layout.web11, &layout.web12, &layout.web13, &layout.web14};
  for (int i = 0; i < 4; ++i) panes_[i].Move(*paneAreas[i]);
  size_t slot = 0;
  for (int i = 0; i < static_cast<int>(cmdMenu_.size()); ++i)
    if (CategoryShown(i) && slot < layout.categories.size()) Place(cmdMenu_[i]->hwnd(), layout.categories[slot++]);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void FrmMain::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  RECT client;
  GetClientRect(hwnd(), &client);
  // Drawn off screen first: the pieces overlap, and drawn one by one they would flicker.
  HDC canvas = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(canvas, bitmap);
  MenuLayout layout = LayOutMenu({client.right, client.bottom}, VisibleCategories());
  DrawMenuFrame(canvas, frame_, layout, {client.right, client.bottom}, colors_, !notices_.empty());
  DrawPicture(canvas, logo_, layout.logo);
  BitBlt(dc, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
  SelectObject(canvas, previous);
  DeleteObject(bitmap);
  DeleteDC(canvas);
  EndPaint(hwnd(), &paint);
}

void FrmMain::OnActivated() {
  SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!activatedOnce_) FirstActivation();
}

void FrmMain::FirstActivation() {
  activatedOnce_ = true;
  LoadGameEntries();
  Form_Size();
  Form_Location();
  storeSize_ = true;
  cmdMenu_Click(0);
  Load_Notice();
  const std::string& fixed = TheApp().Settings.Fixed;
  if (fixed == "01" || fixed == "11") SetFixedElement(false);
  if (fixed == "00" || fixed == "10") SetFixedElement(true);
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
  std::string agent = JoinPath(TheApp().ProgramFolder, "TSLC_Ag.exe");
  if (!IsProcessRunning("TSLC_AG.EXE") && FileExists(agent)) ShellOpen(agent, "", TheApp().ProgramFolder);
}

void FrmMain::cmdMenu_Click(int index) {
  const auto& categories = TheApp().Categories;
  if (index < 0 || index + 1 >= static_cast<int>(categories.size())) return;
  if (selection_.IsRepeat(index)) return;
  SetCategoryPicture(selection_.Current(), false);
  SetCategoryPicture(index, true);
  selection_.Select(index);
  const Category& category = categories[index + 1];
  currentCode_ = Trim(category.Code);
  ClearListedTitles();  // the list is about to show this category alone
  LoadSponsoredIconsWhenAsked(list_);
  selection_.SyncFolderOnce(index, category);
  FillCategoryList(list_, category, index);
  selection_.MarkListed();
}

void FrmMain::ResetCategorySelection() { selection_.Reset(); }

std::string FrmMain::CategoryFolder() const {
  const auto& categories = TheApp().Categories;
  int current = selection_.Current();
  if (current < 0 || current + 1 >= static_cast<int>(categories.size())) return TheApp().ProgramFolder;
  return JoinPath(TheApp().ProgramFolder, categories[current + 1].Tag);
}

void FrmMain::ActivateIcon() {
  SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ActivateChosenIcon(list_, CategoryFolder());
  // What a launch owes the patch tool (patch_) belongs to patching, which lands later.
}

void FrmMain::Load_Notice() {
  NoticeTexts notice = ReadNotice();
  notices_ = std::move(notice.texts);
  noticeColor_ = notice.color.value_or(RGB(232, 237, 245));
  noticeIndex_ = 0;
  KillTimer(hwnd(), kTimer1);
  InvalidateRect(hwnd(), nullptr, FALSE);  // the notice bar comes or goes with the texts
  if (notices_.empty()) {
    ShowWindow(lblCaption_, SW_HIDE);
    return;
  }
  SetWindowTextW(lblCaption_, Widen("  " + notices_[0]).c_str());
  ShowWindow(lblCaption_, SW_SHOWNA);
  SetTimer(hwnd(), kTimer1, kNoticeMilliseconds, nullptr);
}

void FrmMain::ShowNextNotice() {
  if (notices_.empty()) return;
  noticeIndex_ = (noticeIndex_ + 1) % notices_.size();
  SetWindowTextW(lblCaption_, Widen("  " + notices_[noticeIndex_]).c_str());
}

bool FrmMain::NoticeVisible() const {
  return lblCaption_ && (GetWindowLongPtrW(lblCaption_, GWL_STYLE) & WS_VISIBLE);
}

std::string FrmMain::NoticeText() const {
  wchar_t text[512] = {};
  GetWindowTextW(lblCaption_, text, 512);
  return Trim(Narrow(text));
}

void FrmMain::Form_Size() {
  std::optional<int> width = StoredTwips("Width"), height = StoredTwips("Height");
  if (!width || !height) return;
  SetWindowPos(hwnd(), nullptr, 0, 0, TwipsToPixelsX(*width), TwipsToPixelsY(*height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Form_Location();
}

void FrmMain::Form_Location() {
  std::optional<int> left = StoredTwips("Left"), top = StoredTwips("Top");
  RECT place;
  GetWindowRect(hwnd(), &place);
  POINT corner{left ? TwipsToPixelsX(*left) : place.left, top ? TwipsToPixelsY(*top) : place.top};
  corner = KeepOnScreen(corner, {Width(place), Height(place)}, ScreenSize());
  SetWindowPos(hwnd(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMain::WidthHeightSet() {
  RECT place;
  if (!GetWindowRect(hwnd(), &place)) return;
  StoreTwips("Width", PixelsToTwipsX(Width(place)));
  StoreTwips("Height", PixelsToTwipsY(Height(place)));
  SendToAgent("HF", kAgentCommand);
}

void FrmMain::Logo_Change() {
  logo_ = LoadPicture(LogoFile());
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void FrmMain::Change_BGIMG() {
  const ClientSettings& settings = TheApp().Settings;
  std::string back = SkinFile("back.jpg");
  bool picture = Trim(settings.BGIMG) == "1" && FileExists(back);
  // Without an owner's colour the text keeps readable on whatever background the skin has.
  COLORREF text = settings.FontColor != 0 ? static_cast<COLORREF>(settings.FontColor) : ReadableTextOn(colors_.list);
  list_.SetColors(colors_.list, text);
  list_.SetBackPicture(picture ? LoadPicture(back) : Picture());
}

void FrmMain::SetFixedElement(bool on) { cmdState_.Show(on); }

void FrmMain::Resized(UINT kind) {
  if (kind == SIZE_MINIMIZED) return;
  LayOut();
  if (storeSize_) WidthHeightSet();
}

void FrmMain::ClampPosChange(WINDOWPOS& position) const {
  if ((position.flags & SWP_NOSIZE) || IsIconic(hwnd())) return;
  SIZE size = ClampMenuSize({position.cx, position.cy}, ScreenSize());
  position.cx = size.cx;
  position.cy = size.cy;
}

LRESULT FrmMain::HitTest(LPARAM lParam) const {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ScreenToClient(hwnd(), &at);
  RECT client;
  GetClientRect(hwnd(), &client);
  if (!IsZoomed(hwnd())) {
    const int edge = ScaledPixels(kResizeEdge);
    bool left = at.x < edge, right = at.x >= client.right - edge;
    bool top = at.y < edge, bottom = at.y >= client.bottom - edge;
    if (top && left) return HTTOPLEFT;
    if (top && right) return HTTOPRIGHT;
    if (bottom && left) return HTBOTTOMLEFT;
    if (bottom && right) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
  }
  MenuLayout layout = LayOutMenu({client.right, client.bottom}, VisibleCategories());
  return PtInRect(&layout.topBar, at) ? HTCAPTION : HTCLIENT;
}

void FrmMain::OnTimer(UINT_PTR id) {
  if (id == kTimer1) ShowNextNotice();
  if (id == kPanesTimer) LoadPanes();
}

void FrmMain::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id >= kCategoryButtonId && id < kCategoryButtonId + static_cast<int>(cmdMenu_.size())) return cmdMenu_Click(id - kCategoryButtonId);
  if (id >= kBottomButtonId && id < kBottomButtonId + 4) return RunBottomButton(id - kBottomButtonId);
  if (id == kMinimiseButtonId) ShowWindow(hwnd(), SW_MINIMIZE);
}

std::optional<LRESULT> FrmMain::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) OnActivated();
      return std::nullopt;
    case WM_WINDOWPOSCHANGING:
      ClampPosChange(*reinterpret_cast<WINDOWPOS*>(lParam));
      return std::nullopt;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {TwipsToPixelsX(kMenuMinWidthTwips), TwipsToPixelsY(kMenuMinHeightTwips)};
      return 0;
    }
    case WM_SIZE:
      Resized(static_cast<UINT>(wParam));
      return 0;
    case WM_NCCALCSIZE:
      if (wParam) return 0;  // the skin draws the whole window; the thick frame only resizes
      return std::nullopt;
    case WM_NCHITTEST:
      return HitTest(lParam);
    case WM_NCPAINT:
      return 0;  // no frame to draw
    case WM_NCACTIVATE:
      return TRUE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wParam), noticeColor_);
      SetBkColor(reinterpret_cast<HDC>(wParam), colors_.banner);
      return reinterpret_cast<LRESULT>(noticeBrush_);
    case WM_LBUTTONUP: {
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      RECT client;
      GetClientRect(hwnd(), &client);
      RECT logo = LayOutMenu({client.right, client.bottom}, 0).logo;
      if (PtInRect(&logo, at)) ShellOpen(SkinRootFile("vortal.url"));
      return 0;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (std::optional<LRESULT> answer = list_.OnNotify(*header)) return answer;
      if (header->idFrom == kIconListId && (header->code == NM_DBLCLK || header->code == NM_RETURN)) ActivateIcon();
      return std::nullopt;
    }
    case WM_SYSCOMMAND:
      // The customer cannot close the menu; the program closes it when it quits.
      if ((wParam & 0xFFF0) == SC_CLOSE && !TheApp().MenuUnloadAllowed) return 0;
      return std::nullopt;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) {
        UnhookMenuWindow();
        RegisterRunKey();
        Unload();
      }
      return 0;
    default:
      return std::nullopt;
  }
}

FrmMain& TheFrmMain() {
  static FrmMain window;
  return window;
}
