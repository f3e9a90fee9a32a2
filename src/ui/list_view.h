#pragma once
// A report-style list view, as the owner's panels use them: columns with widths in twips, rows of
// texts, one selected row.
#include <windows.h>

#include <string>
#include <vector>

struct ListColumn {
  std::string caption;
  int widthTwips;
};

// Full-row selection, grid lines, one selected row at a time, and the columns.
void SetUpReportList(HWND list, const std::vector<ListColumn>& columns);
void ClearRows(HWND list);
void AddRow(HWND list, const std::vector<std::string>& cells);
int RowCount(HWND list);
std::string CellText(HWND list, int row, int column);
// The selected row, or -1.
int SelectedRow(HWND list);
void SelectRow(HWND list, int row);
