// Top-level windows laid out on a grid of character cells, read from the window tree
// through the public calls (EnumChildWindows, GetClassNameW, GetWindowRect, styles ...).
//
// A dialog's own units map naturally to cells: a cell is a few horizontal and eight
// vertical dialog units (the window's base units turn them into pixels). The coarsest grid
// is chosen at which every control's text fits and controls apart on screen stay apart in
// cells, trying 4, 3 then 2 horizontal units per column and 8, 6 then 4 vertical units
// per row. Controls made of one line of text (buttons, check boxes, single-line fields,
// labels of one line) take the row of their middle; the others keep their top and bottom.
// The bottom window is centred on the terminal; the others keep their place beside it.
#pragma once

#include <string>
#include <vector>

#include "platform/display/cell_canvas.h"
#include "platform/win32.h"

namespace platform {

enum class ControlKind {
  kLabel,
  kIcon,
  kPushButton,
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kEdit,
  kMultiLineEdit,
  kListBox,
  kComboBox,
  kDatePicker,
  kCalendar,
  kProgress,
  kOther,
};

ControlKind ClassifyControl(std::u16string_view class_name, DWORD style);
// Kinds drawn on one row of cells.
bool IsOneLineKind(ControlKind kind);

struct ControlView {
  HWND window = nullptr;
  ControlKind kind = ControlKind::kOther;
  RECT screen{};  // pixels
  DWORD style = 0;
  bool enabled = true;
  bool bordered = false;
  std::u32string text;  // as shown, without '&' markers
  CellRect cells;       // on the terminal
  bool boxed = false;   // a one-line field with room for a box round it
};

struct WindowView {
  HWND window = nullptr;
  std::u32string title;
  bool caption = false;
  bool active = false;
  bool enabled = true;
  RECT window_screen{};  // pixels, the frame included
  RECT client_screen{};
  CellRect frame;  // the border included
  CellRect client;
  std::vector<ControlView> controls;  // back to front
};

// Pixels of one cell.
struct CellScale {
  double column_px = 6;
  double row_px = 13;
};

struct ScreenLayout {
  bool fits = false;  // every window fits the terminal
  CellScale scale;
  std::vector<WindowView> windows;  // bottom to top

  // The window and the control (null for none) shown at a cell, topmost first.
  const WindowView* WindowAt(int column, int row) const;
  const ControlView* ControlAt(const WindowView& window, int column, int row) const;
  // The screen point a click on the cell means: inside the control shown there, at the
  // same place across it; elsewhere in the window, by the grid.
  POINT ScreenPointOf(const WindowView& window, int column, int row) const;
};

// Reads the windows and their controls (visible ones only), bottom to top.
std::vector<WindowView> ReadWindows(const std::vector<HWND>& bottom_to_top, HWND active);
// Places them on a terminal of `columns` x `rows` cells.
ScreenLayout LayOutWindows(std::vector<WindowView> windows, int columns, int rows);

// Text with its '&' markers taken out ("&&" is one '&').
std::u32string WithoutMarkers(std::u32string_view text);
// The text cut into lines of at most `width` cells, at blanks where it can, and at line
// breaks.
std::vector<std::u32string> WrapText(std::u32string_view text, int width);

}  // namespace platform
