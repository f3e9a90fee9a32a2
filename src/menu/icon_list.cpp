#include "menu/icon_list.h"

#include <commctrl.h>

#include <algorithm>

#include "menu/folder_listing.h"
#include "store/text_codec.h"
#include "ui/twips.h"

namespace {
constexpr int kImageNotLoaded = -2;

void CopyText(const std::string& text, LVITEMW& row) {
  if (!row.pszText || row.cchTextMax <= 0) return;
  std::wstring wide = Widen(text);
  size_t length = std::min(wide.size(), static_cast<size_t>(row.cchTextMax - 1));
  std::copy_n(wide.data(), length, row.pszText);
  row.pszText[length] = L'\0';
}

bool StartsWithIgnoringCase(const std::wstring& text, const wchar_t* prefix, bool whole) {
  size_t length = wcslen(prefix);
  if (text.size() < length || (whole && text.size() != length)) return false;
  return CompareStringOrdinal(text.data(), static_cast<int>(length), prefix, static_cast<int>(length), TRUE) ==
         CSTR_EQUAL;
}
}  // namespace

IconList::~IconList() { Destroy(); }

void IconList::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (images_) ImageList_Destroy(images_);
  hwnd_ = nullptr;
  images_ = nullptr;
  batching_ = false;
  items_.clear();
  pictures_.clear();
}

bool IconList::Create(HWND parent, int id) {
  if (hwnd_) return true;
  hwnd_ = CreateWindowExW(0, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SINGLESEL | LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS |
                              LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  images_ = ImageList_Create(kIconPictureSize, kIconPictureSize, ILC_COLOR32, 64, 64);
  ListView_SetImageList(hwnd_, images_, LVSIL_NORMAL);
  ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_DOUBLEBUFFER);
  // Room for a 48-pixel picture and two lines of the menu's font, at the screen's scale.
  ListView_SetIconSpacing(hwnd_, ScaledPixels(96), ScaledPixels(88));
  const wchar_t* captions[] = {L"NAME", L"RANK"};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 120;
    column.pszText = const_cast<wchar_t*>(captions[i]);
    ListView_InsertColumn(hwnd_, i, &column);
  }
  return true;
}

void IconList::Clear() {
  if (!hwnd_) return;
  items_.clear();
  pictures_.clear();
  ListView_SetItemCount(hwnd_, 0);
  ImageList_RemoveAll(images_);
}

void IconList::Add(const IconItem& item, IconSource picture) {
  if (!hwnd_) return;
  items_.push_back(item);
  pictures_.push_back({std::move(picture), kImageNotLoaded});
  if (!batching_) ShowCount();
}

void IconList::AddIcon(const std::string& path, const std::string& title, const std::string& picture) {
  AddIconFile(*this, path, title, MarkOfFile(path), picture);
}

void IconList::SetRedraw(bool on) {
  if (!hwnd_) return;
  batching_ = !on;
  SendMessageW(hwnd_, WM_SETREDRAW, on, 0);
  if (!on) return;
  ShowCount();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void IconList::ShowCount() {
  ListView_SetItemCountEx(hwnd_, static_cast<int>(items_.size()), LVSICF_NOSCROLL);
}

std::optional<IconItem> IconList::ItemAt(int index) const {
  if (!hwnd_ || index < 0 || static_cast<size_t>(index) >= items_.size()) return std::nullopt;
  return items_[static_cast<size_t>(index)];
}

std::optional<IconItem> IconList::Chosen() const {
  if (!hwnd_) return std::nullopt;
  return ItemAt(ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED));
}

std::optional<LRESULT> IconList::OnNotify(NMHDR& header) {
  if (!hwnd_ || header.hwndFrom != hwnd_) return std::nullopt;
  if (header.code == LVN_GETDISPINFOW) {
    Describe(reinterpret_cast<NMLVDISPINFOW&>(header).item);
    return 0;
  }
  if (header.code == LVN_ODFINDITEMW) return FindByTitle(reinterpret_cast<const NMLVFINDITEMW&>(header));
  return std::nullopt;
}

void IconList::Describe(LVITEMW& row) {
  if (row.iItem < 0 || static_cast<size_t>(row.iItem) >= items_.size()) return;
  const IconItem& item = items_[static_cast<size_t>(row.iItem)];
  if (row.mask & LVIF_TEXT) CopyText(row.iSubItem == 1 ? item.mark : item.title, row);
  if (row.mask & LVIF_IMAGE) row.iImage = ImageOf(static_cast<size_t>(row.iItem));
}

int IconList::ImageOf(size_t index) {
  int& image = pictures_[index].image;
  if (image != kImageNotLoaded) return image;
  image = I_IMAGENONE;
  if (HBITMAP bitmap = IconListBitmapOf(pictures_[index].source, items_[index].title)) {
    int added = ImageList_Add(images_, bitmap, nullptr);
    DeleteObject(bitmap);
    if (added >= 0) image = added;
  }
  return image;
}

// Typing in the list jumps to the next title that begins with what was typed.
int IconList::FindByTitle(const NMLVFINDITEMW& find) const {
  if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz || items_.empty()) return -1;
  bool whole = !(find.lvfi.flags & LVFI_PARTIAL);
  int count = static_cast<int>(items_.size());
  int start = std::clamp(find.iStart, 0, count);
  int span = (find.lvfi.flags & LVFI_WRAP) ? count : count - start;
  for (int step = 0; step < span; ++step) {
    int index = (start + step) % count;
    if (StartsWithIgnoringCase(Widen(items_[static_cast<size_t>(index)].title), find.lvfi.psz, whole)) return index;
  }
  return -1;
}

void IconList::SetColors(COLORREF background, std::optional<COLORREF> text) {
  if (!hwnd_) return;
  ListView_SetBkColor(hwnd_, background);
  ListView_SetTextBkColor(hwnd_, background);
  if (text) ListView_SetTextColor(hwnd_, *text);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void IconList::SetBackPicture(Picture picture) {
  if (!hwnd_) return;
  LVBKIMAGEW image{};
  image.ulFlags = picture ? (LVBKIF_SOURCE_HBITMAP | LVBKIF_STYLE_TILE) : LVBKIF_SOURCE_NONE;
  image.hbm = picture.bitmap();
  ListView_SetBkImage(hwnd_, &image);
  backPicture_ = std::move(picture);
  if (image.hbm) ListView_SetTextBkColor(hwnd_, CLR_NONE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}
