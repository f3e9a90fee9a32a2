#include "ui/picture_button.h"

#include <utility>

#include "ui/error_trap.h"
#include "ui/window_class.h"

namespace {
constexpr wchar_t kClassName[] = L"TesselPictureButton";
}  // namespace

PictureButton::~PictureButton() {
  if (hwnd_) {
    Unbind(hwnd_);
    DestroyWindow(hwnd_);
  }
}

bool PictureButton::Create(HWND parent, int id, int x, int y, int width, int height) {
  if (hwnd_ || !RegisterWindowClassOnce({kClassName, Procedure, 0, IDC_HAND})) return hwnd_ != nullptr;
  CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

void PictureButton::SetPicture(State state, const std::string& path) {
  Slot& slot = slots_[static_cast<int>(state)];
  slot.path = path;
  slot.picture = Picture();
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void PictureButton::SetPicture(State state, Picture picture) {
  slots_[static_cast<int>(state)] = {std::string(), std::move(picture)};
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

const Picture& PictureButton::Loaded(State state) const {
  Slot& slot = slots_[static_cast<int>(state)];
  if (!slot.path.empty()) slot.picture = LoadPicture(std::exchange(slot.path, std::string()));
  return slot.picture;
}

const Picture& PictureButton::PictureFor(State state) const {
  const Picture& own = Loaded(state);
  if (own || state == State::Normal) return own;
  // Pressed falls back to hover, hover to normal.
  return PictureFor(state == State::Pressed ? State::Hover : State::Normal);
}

void PictureButton::Show(bool visible) {
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void PictureButton::Move(int x, int y, int width, int height) {
  if (hwnd_) MoveWindow(hwnd_, x, y, width, height, TRUE);
}

void PictureButton::Leave() {
  if (hwnd_ && GetCapture() == hwnd_) ReleaseCapture();
  SetState(State::Normal);
}

void PictureButton::MouseMoved(POINT at) {
  if (!byCapture_) {
    if (!tracking_) {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
      tracking_ = TrackMouseEvent(&track);
    }
    if (state_ == State::Normal) SetState(State::Hover);
    return;
  }
  if (state_ == State::Pressed) return;  // the press holds the capture until the button is let go
  RECT area;
  GetClientRect(hwnd_, &area);
  if (!PtInRect(&area, at)) return Leave();
  if (GetCapture() != hwnd_) SetCapture(hwnd_);
  SetState(State::Hover);
}

void PictureButton::SetState(State state) {
  if (state_ == state) return;
  state_ = state;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void PictureButton::PaintPlain(HDC dc, RECT area) const {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &area, state_ == State::Pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  wchar_t text[128] = {};
  GetWindowTextW(hwnd_, text, 128);
  HGDIOBJ previous = font_ ? SelectObject(dc, font_) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextW(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (previous) SelectObject(dc, previous);
}

void PictureButton::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT area;
  GetClientRect(hwnd_, &area);
  const Picture& picture = PictureFor(state_);
  if (parentBehind_) {
    POINT origin{0, 0}, previous{};
    MapWindowPoints(hwnd_, GetParent(hwnd_), &origin, 1);
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(GetParent(hwnd_), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
  } else if (!picture) {
    PaintPlain(dc, area);
  }
  DrawPicture(dc, picture, area);
  EndPaint(hwnd_, &paint);
}

LRESULT CALLBACK PictureButton::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* button = BoundObject<PictureButton>(hwnd, msg, lParam);
  if (!button) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCCREATE) button->hwnd_ = hwnd;
  if (msg == WM_NCDESTROY) button->hwnd_ = nullptr;
  LRESULT result = 0;
  if (!RunTrapped("PictureButton", [&] { result = button->Route(msg, wParam, lParam); }))
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  return result;
}

LRESULT PictureButton::Route(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_ENABLE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_MOUSEMOVE:
      MouseMoved({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      SetState(State::Normal);
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(hwnd_);
      SetState(State::Pressed);
      return 0;
    case WM_LBUTTONUP: {
      bool wasPressed = state_ == State::Pressed;
      ReleaseCapture();
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      RECT area;
      GetClientRect(hwnd_, &area);
      bool inside = PtInRect(&area, at);
      SetState(inside ? State::Hover : State::Normal);
      if (wasPressed && inside)
        SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd_));
      return 0;
    }
    default:
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}
