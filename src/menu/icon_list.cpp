#include "menu/icon_list.h"

#include <commctrl.h>

#include "menu/folder_listing.h"
#include "menu/icon_pictures.h"
#include "store/text_codec.h"

IconList::~IconList() { Destroy(); }

void IconList::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (images_) ImageList_Destroy(images_);
  hwnd_ = nullptr;
  images_ = nullptr;
  items_.clear();
}

bool IconList::Create(HWND parent, int id) {
  if (hwnd_) return true;
  hwnd_ = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SINGLESEL | LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS |
                          LVS_SHOWSELALWAYS, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  images_ = ImageList_Create(kIconPictureSize, kIconPictureSize, ILC_COLOR32, 64, 64);
  ListView_SetImageList(hwnd_, images_, LVSIL_NORMAL);
  ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_DOUBLEBUFFER);
  ListView_SetIconSpacing(hwnd_, 96, 88);
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
  ListView_DeleteAllItems(hwnd_);
  ImageList_RemoveAll(images_);
  items_.clear();
}

void IconList::Add(const IconItem& item, const Picture& picture) {
  if (!hwnd_) return;
  HBITMAP bitmap = IconListBitmap(picture);
  int image = bitmap ? ImageList_Add(images_, bitmap, nullptr) : -1;
  if (bitmap) DeleteObject(bitmap);
  std::wstring title = Widen(item.title), mark = Widen(item.mark);
  LVITEMW row{};
  row.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  row.iItem = ListView_GetItemCount(hwnd_);
  row.pszText = title.data();
  row.iImage = image >= 0 ? image : I_IMAGENONE;
  row.lParam = static_cast<LPARAM>(items_.size());
  int index = ListView_InsertItem(hwnd_, &row);
  if (index < 0) return;
  ListView_SetItemText(hwnd_, index, 1, mark.data());
  items_.push_back(item);
}

void IconList::AddIcon(const std::string& path, const std::string& title, const std::string& picture) {
  AddIconFile(*this, path, title, MarkOfFile(path), picture);
}

void IconList::SetRedraw(bool on) {
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SETREDRAW, on, 0);
  if (on) InvalidateRect(hwnd_, nullptr, TRUE);
}

std::optional<IconItem> IconList::ItemAt(int index) const {
  if (!hwnd_ || index < 0) return std::nullopt;
  LVITEMW row{};
  row.mask = LVIF_PARAM;
  row.iItem = index;
  if (!ListView_GetItem(hwnd_, &row)) return std::nullopt;
  auto slot = static_cast<size_t>(row.lParam);
  if (slot >= items_.size()) return std::nullopt;
  return items_[slot];
}

std::optional<IconItem> IconList::Chosen() const {
  if (!hwnd_) return std::nullopt;
  return ItemAt(ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED));
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
