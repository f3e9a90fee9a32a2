#include "skin/frm_float.h"

#include <windowsx.h>

#include "skin/float_row.h"
#include "skin/image_files.h"
#include "store/processes.h"
#include "ui/twips.h"

namespace {
bool Inside(HWND window, POINT at) {
  RECT area{};
  GetClientRect(window, &area);
  return PtInRect(&area, at);
}
}  // namespace

FrmFloat::FrmFloat(int index, std::function<void(int)> clicked)
    : Window("F" + std::to_string(index)), index_(index), clicked_(std::move(clicked)) {}

WindowOptions FrmFloat::Options() const {
  WindowOptions options;
  options.caption = "Tessel";
  options.style = WS_POPUP;
  // Layered from the start: without its picture it is not drawn at all.
  options.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
  options.x = 0;
  options.y = 0;
  options.width = TwipsToPixelsX(kFloatWidth);
  options.height = TwipsToPixelsY(kFloatHeight);
  options.background = nullptr;
  return options;
}

void FrmFloat::OnLoad() {
  layered_ = std::make_unique<LayeredWindow>();
  hovered_ = false;
  SetImage();
  SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FrmFloat::OnUnload() {
  if (layered_) layered_->UnloadPNGForm();
  layered_.reset();
}

void FrmFloat::ShowPicture(const char* state) {
  if (layered_) layered_->MakeTrans(ImageFile(item_.image + state), hwnd(), kFloatWidth, kFloatHeight);
}

void FrmFloat::SetImage() {
  ShowPicture("_N.png");
  TrimWorkingSet();
}

void FrmFloat::MouseMoved(POINT at) {
  bool inside = Inside(hwnd(), at);
  if (inside && GetCapture() != hwnd()) SetCapture(hwnd());
  if (!inside && GetCapture() == hwnd()) ReleaseCapture();
  if (inside == hovered_) return;
  hovered_ = inside;
  ShowPicture(inside ? "_O.png" : "_N.png");
}

void FrmFloat::Released(POINT at) {
  if (!Inside(hwnd(), at)) return;
  // What the click opens takes the pointer: the hover ends here and comes back with the next move.
  if (GetCapture() == hwnd()) ReleaseCapture();
  if (hovered_) {
    hovered_ = false;
    ShowPicture("_N.png");
  }
  SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (clicked_) clicked_(index_);
}

std::optional<LRESULT> FrmFloat::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (msg) {
    case WM_MOUSEMOVE:
      MouseMoved(at);
      return 0;
    case WM_LBUTTONUP:
      Released(at);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) return 0;  // the banner's part: the customer cannot close it
      return std::nullopt;
    default:
      return std::nullopt;
  }
}
