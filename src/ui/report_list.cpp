#include "ui/report_list.h"

#include <commctrl.h>

#include "store/text_codec.h"
#include "ui/list_view.h"

bool ReportList::Create(HWND parent, int id, const RECT& area, DWORD extendedStyle) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                              area.left, area.top, area.right - area.left, area.bottom - area.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!list) return false;
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  Attach(list, extendedStyle);
  return true;
}

void ReportList::Attach(HWND list, DWORD extendedStyle) {
  hwnd_ = list;
  columns_ = Header_GetItemCount(ListView_GetHeader(list));
  ListView_SetExtendedListViewStyle(hwnd_, extendedStyle | LVS_EX_DOUBLEBUFFER);
}

void ReportList::AddColumn(const std::string& header, int width) {
  std::wstring text = Widen(header);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = text.data();
  column.cx = width;
  ListView_InsertColumn(hwnd_, columns_++, &column);
}

void ReportList::Clear() { ClearRows(hwnd_); }

int ReportList::AddRow(const std::string& text, LPARAM data) {
  std::wstring wide = Widen(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = Count();
  item.pszText = wide.data();
  item.lParam = data;
  return static_cast<int>(SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ReportList::SetText(int row, int column, const std::string& text) {
  std::wstring wide = Widen(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string ReportList::Text(int row, int column) const { return CellText(hwnd_, row, column); }

LPARAM ReportList::Data(int row) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  SendMessageW(hwnd_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return item.lParam;
}

int ReportList::Count() const { return RowCount(hwnd_); }

bool ReportList::Checked(int row) const { return ListView_GetCheckState(hwnd_, row) != 0; }

void ReportList::SetChecked(int row, bool checked) { ListView_SetCheckState(hwnd_, row, checked); }

void ReportList::CheckAll(bool checked) {
  for (int row = 0, count = Count(); row < count; ++row) SetChecked(row, checked);
}

void ReportList::SelectRow(int row) {
  ListView_EnsureVisible(hwnd_, row, FALSE);
  ::SelectRow(hwnd_, row);
}

int ReportList::SelectedRow() const { return ::SelectedRow(hwnd_); }

void ReportList::ClearColumns() {
  while (ListView_DeleteColumn(hwnd_, 0)) {
  }
  columns_ = 0;
}
