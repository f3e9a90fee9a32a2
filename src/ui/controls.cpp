#include "ui/controls.h"

#include <commctrl.h>

#include <algorithm>

#include "store/text_codec.h"
#include "ui/skin_files.h"
#include "ui/twips.h"

namespace {
bool IsClass(const wchar_t* windowClass, const wchar_t* name) {
  return windowClass && CompareStringOrdinal(windowClass, -1, name, -1, TRUE) == CSTR_EQUAL;
}

// What every control of a kind wants besides the table's style.
DWORD KindStyle(const ControlSpec& spec) {
  const wchar_t* kind = spec.windowClass;
  bool groupBox = IsClass(kind, WC_BUTTONW) && (spec.style & BS_TYPEMASK) == BS_GROUPBOX;
  bool focusable = IsClass(kind, WC_EDITW) || (IsClass(kind, WC_BUTTONW) && !groupBox) ||
                   IsClass(kind, WC_COMBOBOXW) || IsClass(kind, WC_LISTBOXW) || IsClass(kind, WC_LISTVIEWW);
  return WS_CHILD | WS_VISIBLE | (focusable ? WS_TABSTOP : 0);
}

DWORD KindExStyle(const wchar_t* kind) {
  bool sunken = IsClass(kind, WC_EDITW) || IsClass(kind, WC_LISTBOXW) || IsClass(kind, WC_LISTVIEWW);
  return sunken ? WS_EX_CLIENTEDGE : 0;
}

bool HasCheck(HWND control) {
  wchar_t kind[16] = {};
  GetClassNameW(control, kind, 16);
  if (!IsClass(kind, WC_BUTTONW)) return false;
  DWORD type = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK;
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
}  // namespace

std::string Indexed(std::string_view name, int index) {
  return std::string(name) + "(" + std::to_string(index) + ")";
}

RECT PixelRect(const TwipsRect& rect) {
  return {TwipsToPixelsX(rect.x), TwipsToPixelsY(rect.y), TwipsToPixelsX(rect.x + rect.width),
          TwipsToPixelsY(rect.y + rect.height)};
}

TwipsRect TwipsGrid::Cell(int column, int row, int columns, int rows) const {
  return {left + column * (columnWidth + gap), top + row * (rowHeight + gap),
          columns * columnWidth + (columns - 1) * gap, rows * rowHeight + (rows - 1) * gap};
}

namespace {
// A face that has Hangul, at the screen's resolution.
HFONT MakeDialogFont(int points, LONG weight) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  LOGFONTW face{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) face = metrics.lfMessageFont;
  face.lfHeight = -MulDiv(points, 1440 / TwipsPerPixelY(), 72);
  face.lfWeight = weight;
  face.lfCharSet = HANGUL_CHARSET;
  face.lfQuality = CLEARTYPE_QUALITY;
  wcscpy_s(face.lfFaceName, L"맑은 고딕");
  return CreateFontIndirectW(&face);
}
}  // namespace

HFONT DialogFont() {
  static HFONT font = MakeDialogFont(9, FW_NORMAL);
  return font;
}

HFONT DialogTitleFont() {
  static HFONT font = MakeDialogFont(11, FW_BOLD);
  return font;
}

void Controls::Create(HWND parent, std::span<const ControlSpec> table, int extraWidth) {
  Destroy();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ControlSpec& spec : table) {
    Entry entry{spec, nullptr, nullptr};
    if (spec.windowClass) {
      entry.hwnd = CreateWindowExW(KindExStyle(spec.windowClass), spec.windowClass, Widen(spec.text).c_str(),
                                   KindStyle(spec) | spec.style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
      SendMessageW(entry.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    } else {
      entry.picture = std::make_unique<PictureButton>();
      entry.picture->Create(parent, spec.id, 0, 0, 0, 0);
      if (!spec.picture.empty()) SetSkinPictures(*entry.picture, spec.picture);
      entry.hwnd = entry.picture->hwnd();
      SetWindowTextW(entry.hwnd, Widen(spec.text).c_str());
      SendMessageW(entry.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
      if (spec.style & WS_DISABLED) EnableWindow(entry.hwnd, FALSE);
    }
    Place(entry, extraWidth);
    entries_.push_back(std::move(entry));
  }
}

void Controls::Place(const Entry& entry, int extraWidth) const {
  TwipsRect rect = entry.spec.rect;
  if (entry.spec.anchor == Anchor::Stretch) rect.width += extraWidth;
  if (entry.spec.anchor == Anchor::Right) rect.x += extraWidth;
  RECT pixels = PixelRect(rect);
  MoveWindow(entry.hwnd, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, TRUE);
}

void Controls::Relayout(int extraWidth) {
  for (const Entry& entry : entries_) Place(entry, extraWidth);
}

void Controls::Destroy() {
  for (Entry& entry : entries_)
    if (!entry.picture && IsWindow(entry.hwnd)) DestroyWindow(entry.hwnd);
  entries_.clear();  // picture buttons destroy their own windows
}

const Controls::Entry* Controls::Find(std::string_view name) const {
  auto found =
      std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.spec.name == name; });
  return found == entries_.end() ? nullptr : &*found;
}

HWND Controls::operator[](std::string_view name) const {
  const Entry* entry = Find(name);
  return entry ? entry->hwnd : nullptr;
}

int Controls::IdOf(std::string_view name) const {
  const Entry* entry = Find(name);
  return entry ? entry->spec.id : 0;
}

std::string Controls::NameOf(int id) const {
  auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.spec.id == id; });
  return found == entries_.end() ? std::string() : found->spec.name;
}

PictureButton* Controls::Picture(std::string_view name) const {
  const Entry* entry = Find(name);
  return entry ? entry->picture.get() : nullptr;
}

std::string Controls::Text(std::string_view name) const {
  HWND control = (*this)[name];
  if (!control) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void Controls::SetText(std::string_view name, std::string_view text) const {
  if (HWND control = (*this)[name]) SetWindowTextW(control, Widen(text).c_str());
}

bool Controls::Checked(std::string_view name) const {
  HWND control = (*this)[name];
  return control && HasCheck(control) && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Controls::IsCheckBox(std::string_view name) const {
  HWND control = (*this)[name];
  return control && HasCheck(control);
}

void Controls::SetChecked(std::string_view name, bool checked) const {
  if (HWND control = (*this)[name]) SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Controls::Enable(std::string_view name, bool enabled) const {
  if (HWND control = (*this)[name]) EnableWindow(control, enabled);
}

bool Controls::Enabled(std::string_view name) const {
  HWND control = (*this)[name];
  return control && IsWindowEnabled(control);
}

void Controls::Show(std::string_view name, bool visible) const {
  if (HWND control = (*this)[name]) ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void Controls::FocusAndSelect(std::string_view name) const {
  HWND control = (*this)[name];
  if (!control) return;
  SetFocus(control);
  SendMessageW(control, EM_SETSEL, 0, -1);
}
