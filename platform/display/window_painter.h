// Draws laid-out windows into cells, reading each control's state through its messages
// (BM_GETCHECK, LB_/CB_ queries, EM_GETSEL, DTM_GETMONTHCAL, MCM_ queries) and the focus
// (GetFocus):
//
//   caption    ┌ Vestralino ──────────[x]┐   the active window's in the caption style
//   label      Dia de Inicio               aligned as SS_LEFT / SS_CENTER / SS_RIGHT
//   button     [ Cancelar ]  [>Aceptar<]   the default button marked
//   check      [x] text     radio (o) text
//   field      a box round the text when there is room, else the text alone
//   date       07/12/2026 ▼                the field the keyboard edits highlighted
//   list       items, the selected one highlighted
//   calendar   see calendar_cells.h
//
// The focused control is drawn in the focus style; the terminal cursor goes to the caret
// of a focused edit field.
#pragma once

#include <string_view>

#include "platform/display/cell_canvas.h"
#include "platform/display/window_cells.h"

namespace platform {

struct PaintedCursor {
  bool shown = false;
  int column = 0;
  int row = 0;
};

PaintedCursor PaintWindows(CellCanvas& canvas, const ScreenLayout& layout, HWND focus);

// The characters [begin, end) of a date picker's text that are highlighted on screen: the
// field the keyboard edits. Read from the control's pixels; {0, 0} when none is.
struct TextSpan {
  int begin = 0;
  int end = 0;
};
TextSpan HighlightedDateField(HWND picker, std::u32string_view text);

}  // namespace platform
