#pragma once
// A list view in report mode with what the patch windows need beyond ui/list_view.h: optional
// check boxes, a number kept with every row, columns added in pixels and texts set cell by cell.
#include <windows.h>

#include <string>

class ReportList {
 public:
  // extendedStyle: LVS_EX_* (grid lines, check boxes, full-row select ...).
  bool Create(HWND parent, int id, const RECT& area, DWORD extendedStyle);
  // Takes over a list view made elsewhere (a control table's).
  void Attach(HWND list, DWORD extendedStyle);
  HWND hwnd() const { return hwnd_; }

  void AddColumn(const std::string& header, int width);
  void ClearColumns();
  void Clear();
  // The new row's index.
  int AddRow(const std::string& text, LPARAM data = 0);
  void SetText(int row, int column, const std::string& text);
  std::string Text(int row, int column) const;
  LPARAM Data(int row) const;
  int Count() const;

  bool Checked(int row) const;
  void SetChecked(int row, bool checked);
  void CheckAll(bool checked);

  // Scrolls the row into view and makes it the selected one.
  void SelectRow(int row);
  int SelectedRow() const;  // -1 when none

 private:
  HWND hwnd_ = nullptr;
  int columns_ = 0;
};
