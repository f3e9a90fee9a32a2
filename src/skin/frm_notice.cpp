#include "skin/frm_notice.h"

#include "menu/notice.h"
#include "skin/image_files.h"
#include "skin/skin_button.h"
#include "skin/skinned_paint.h"
#include "skin/window_shape.h"
#include "store/text_codec.h"

namespace {
// Where the picture draws its title bar and paper: the lines go on the paper, the close button on
// the bar.
constexpr SIZE kSize{380, 200};
constexpr RECT kClosePlace{346, 10, 370, 34};
constexpr int kLineLeft = 20, kLineTop = 62, kLinePitch = 26, kLineHeight = 22;
constexpr COLORREF kTextColor = RGB(127, 83, 28);
constexpr COLORREF kPaperColor = RGB(247, 241, 230);
constexpr int kMargin = 20;
}  // namespace

WindowOptions FrmNotice::Options() const {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  WindowOptions options;
  options.caption = "Tessel";
  options.style = WS_POPUP;
  options.exStyle = WS_EX_TOOLWINDOW;
  options.width = kSize.cx;
  options.height = kSize.cy;
  options.x = work.right - kSize.cx - kMargin;
  options.y = work.top + kMargin;
  options.background = nullptr;
  return options;
}

void FrmNotice::OnLoad() {
  picture_ = LoadPicture(ImageFile("Notice.png"));
  MakeSkinButton(cmdClose_, hwnd(), kNoticeCloseId);
  MoveWindow(cmdClose_.hwnd(), kClosePlace.left, kClosePlace.top, kClosePlace.right - kClosePlace.left,
             kClosePlace.bottom - kClosePlace.top, FALSE);
  cmdClose_.SetPicture(PictureButton::State::Normal, ImageFile("NT_N.png"));
  cmdClose_.SetPicture(PictureButton::State::Hover, ImageFile("NT_O.png"));
  font_ = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"NanumGothic");
  std::vector<std::string> lines = ReadNotice().texts;
  for (int i = 0; i < kNoticeLabels; ++i) {
    std::string text = i < static_cast<int>(lines.size()) ? lines[i] : std::string();
    lblNotice_[i] = CreateWindowExW(0, L"STATIC", Widen(text).c_str(),
                                    WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_ENDELLIPSIS,
                                    kLineLeft, kLineTop + i * kLinePitch, kSize.cx - 2 * kLineLeft, kLineHeight, hwnd(),
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNoticeLabelId + i)),
                                    GetModuleHandleW(nullptr), nullptr);
    SendMessageW(lblNotice_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
}

void FrmNotice::OnUnload() {
  lblNotice_.fill(nullptr);
  if (font_) DeleteObject(font_);
  font_ = nullptr;
  picture_ = Picture();
}

std::vector<std::string> FrmNotice::Lines() const {
  std::vector<std::string> lines;
  for (HWND label : lblNotice_) {
    wchar_t text[512] = {};
    if (label) GetWindowTextW(label, text, 512);
    lines.push_back(Narrow(text));
  }
  return lines;
}

void FrmNotice::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  HBRUSH paper = CreateSolidBrush(kPaperColor);
  FillRect(dc, &client, paper);
  DeleteObject(paper);
  DrawPicture(dc, picture_, client);
}

void FrmNotice::OnCommand(int id, int code, HWND) {
  if (id == kNoticeCloseId && code == BN_CLICKED) Unload();
}

std::optional<LRESULT> FrmNotice::OnMessage(UINT msg, WPARAM wParam, LPARAM) {
  if (auto painted = PaintWhole(hwnd(), msg, wParam, [this](HDC dc) { Paint(dc); })) return painted;
  switch (msg) {
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, kTextColor);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_MOUSEMOVE:
      if (wParam & MK_LBUTTON) DragWindow(hwnd(), 1);
      return 0;
    default:
      return std::nullopt;
  }
}

FrmNotice& TheFrmNotice() {
  static FrmNotice window;
  return window;
}

void ShowFrmNotice() {
  FrmNotice& notice = TheFrmNotice();
  if (notice.Load()) ShowWindow(notice.hwnd(), SW_SHOWNOACTIVATE);
}
