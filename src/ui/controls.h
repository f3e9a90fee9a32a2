#pragma once
// The controls of a form or panel, made from a table: one row per control with the system's own
// name (txtNum1, chkCD(2), cmdGAdd), its id, window class, style, rectangle in twips, caption and,
// for a picture button, the stem of its skin pictures. Handlers, bindings and tests reach a
// control by its name; twips become pixels here and nowhere else in a form.
#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/picture_button.h"

struct TwipsRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// The rectangle in pixels of the screen's resolution.
RECT PixelRect(const TwipsRect& rect);

// How a control follows a page that is wider than the table was drawn for.
enum class Anchor { Left, Stretch, Right };

struct ControlSpec {
  ControlSpec(std::string name, int id, const wchar_t* windowClass, DWORD style, TwipsRect rect, std::string text = {},
              std::string picture = {}, Anchor anchor = Anchor::Left)
      : name(std::move(name)), id(id), windowClass(windowClass), style(style), rect(rect), text(std::move(text)),
        picture(std::move(picture)), anchor(anchor) {}

  std::string name;
  int id;                       // keep clear of IDOK and IDCANCEL (1, 2)
  const wchar_t* windowClass;   // WC_EDITW, ...; null for a picture button
  DWORD style;                  // besides WS_CHILD | WS_VISIBLE (and WS_TABSTOP where it fits)
  TwipsRect rect;
  std::string text;             // caption (a picture button shows it while it has no picture)
  std::string picture;          // a picture button's skin stem: "CMDOK00" for CMDOK00_N.jpg, ...
  Anchor anchor;
};

// "cmdR(3)": the name of one member of a control array.
std::string Indexed(std::string_view name, int index);

// A tiny grid of cells in twips, for panels laid out in rows and columns.
struct TwipsGrid {
  int left = 0, top = 0, columnWidth = 0, rowHeight = 0, gap = 0;
  // The cell at column, row, spanning columns and rows; gaps between the spanned cells included.
  TwipsRect Cell(int column, int row, int columns = 1, int rows = 1) const;
};

// The dialog font of the screen's resolution, made once, and its larger bold form for titles.
HFONT DialogFont();
HFONT DialogTitleFont();

class Controls {
 public:
  Controls() = default;
  Controls(const Controls&) = delete;
  Controls& operator=(const Controls&) = delete;

  // Makes the table's controls on parent in table order (which is also the Tab order).
  // extraWidth: how many twips wider than drawn the page is, for the anchored controls.
  void Create(HWND parent, std::span<const ControlSpec> table, int extraWidth = 0);
  // Places every control again for a page extraWidth twips wider than drawn.
  void Relayout(int extraWidth);
  void Destroy();

  // Null for a name that is not in the table.
  HWND operator[](std::string_view name) const;
  int IdOf(std::string_view name) const;
  // The name of the control with this id, "" when there is none.
  std::string NameOf(int id) const;
  PictureButton* Picture(std::string_view name) const;

  std::string Text(std::string_view name) const;
  void SetText(std::string_view name, std::string_view text) const;
  // Check boxes and option buttons.
  bool IsCheckBox(std::string_view name) const;
  bool Checked(std::string_view name) const;
  void SetChecked(std::string_view name, bool checked) const;
  void Enable(std::string_view name, bool enabled) const;
  bool Enabled(std::string_view name) const;
  void Show(std::string_view name, bool visible) const;
  // Puts the focus into the control and selects its text.
  void FocusAndSelect(std::string_view name) const;

 private:
  struct Entry {
    ControlSpec spec;
    HWND hwnd = nullptr;
    std::unique_ptr<PictureButton> picture;
  };
  const Entry* Find(std::string_view name) const;
  void Place(const Entry& entry, int extraWidth) const;

  std::vector<Entry> entries_;
};
