#include "ui/list_view.h"

#include <commctrl.h>

#include "store/text_codec.h"
#include "ui/twips.h"

void SetUpReportList(HWND list, const std::vector<ListColumn>& columns) {
  LONG_PTR style = (GetWindowLongPtrW(list, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
  SetWindowLongPtrW(list, GWL_STYLE, style);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (size_t i = 0; i < columns.size(); ++i) {
    std::wstring caption = Widen(columns[i].caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = caption.data();
    column.cx = TwipsToPixelsX(columns[i].widthTwips);
    ListView_InsertColumn(list, static_cast<int>(i), &column);
  }
}

void ClearRows(HWND list) { ListView_DeleteAllItems(list); }

void AddRow(HWND list, const std::vector<std::string>& cells) {
  if (cells.empty()) return;
  std::wstring first = Widen(cells[0]);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = RowCount(list);
  item.pszText = first.data();
  int row = ListView_InsertItem(list, &item);
  for (size_t i = 1; i < cells.size() && row >= 0; ++i) {
    std::wstring cell = Widen(cells[i]);
    ListView_SetItemText(list, row, static_cast<int>(i), cell.data());
  }
}

int RowCount(HWND list) { return ListView_GetItemCount(list); }

std::string CellText(HWND list, int row, int column) {
  wchar_t text[260] = {};
  ListView_GetItemText(list, row, column, text, 260);
  return Narrow(text);
}

int SelectedRow(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

void SelectRow(HWND list, int row) {
  ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}
