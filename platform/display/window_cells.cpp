#include "platform/display/window_cells.h"

#include <algorithm>
#include <cmath>

#include "platform/display/calendar_cells.h"

namespace platform {
namespace {

// Horizontal and vertical dialog units per cell, coarsest first.
struct Grid {
  int units_per_column;
  int units_per_row;
};
constexpr Grid kGrids[] = {{4, 8}, {3, 8}, {2, 8}, {4, 6}, {3, 6}, {2, 6}, {4, 4}, {3, 4}, {2, 4}};

char16_t Lower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

int Round(double value) {
  return static_cast<int>(std::lround(value));
}

std::u16string ClassNameOf(HWND window) {
  WCHAR name[96] = {};
  int length = GetClassNameW(window, name, 96);
  return std::u16string(name, static_cast<std::size_t>(std::max(0, length)));
}

std::u16string WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(0, got)));
  return text;
}

// A drop-down list's selection: its window text is not always kept in step.
std::u16string ComboSelection(HWND combo) {
  LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index < 0) return WindowText(combo);
  LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0 || length > 4096) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  LRESULT got = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, got)));
  return text;
}

bool IsComposite(ControlKind kind) {
  return kind == ControlKind::kComboBox || kind == ControlKind::kDatePicker ||
         kind == ControlKind::kCalendar || kind == ControlKind::kListBox ||
         kind == ControlKind::kMultiLineEdit || kind == ControlKind::kEdit;
}

ControlView ReadControl(HWND window, ControlKind kind) {
  ControlView view;
  view.window = window;
  view.kind = kind;
  GetWindowRect(window, &view.screen);
  view.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  DWORD ex_style = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  view.enabled = IsWindowEnabled(window) != FALSE;
  view.bordered =
      (view.style & WS_BORDER) != 0 || (ex_style & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) != 0;
  bool droplist = kind == ControlKind::kComboBox && (view.style & 3) == CBS_DROPDOWNLIST;
  std::u32string text = Utf32FromUtf16(droplist ? ComboSelection(window) : WindowText(window));
  bool markers = kind == ControlKind::kPushButton || kind == ControlKind::kCheckBox ||
                 kind == ControlKind::kRadioButton || kind == ControlKind::kGroupBox ||
                 (kind == ControlKind::kLabel && (view.style & SS_NOPREFIX) == 0);
  view.text = markers ? WithoutMarkers(text) : text;
  return view;
}

// The pixels of 4 horizontal and 8 vertical dialog units in this window.
SIZE BaseUnits(HWND window) {
  if (SameName(ClassNameOf(window), u"#32770")) {
    RECT units{0, 0, 4, 8};
    if (MapDialogRect(window, &units) && units.right > 0 && units.bottom > 0) {
      return SIZE{units.right, units.bottom};
    }
  }
  LONG units = GetDialogBaseUnits();
  return SIZE{std::max<LONG>(1, LOWORD(units)), std::max<LONG>(1, HIWORD(units))};
}

bool Intersect(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int Lines(const ControlView& c, int width) {
  return static_cast<int>(WrapText(c.text, std::max(1, width)).size());
}

// Cells a one-line control needs across to show its text.
int WidthNeeded(const ControlView& c) {
  int text = static_cast<int>(c.text.size());
  switch (c.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
      return text + 4;  // "[ text ]", "[x] text"
    case ControlKind::kLabel:
      return text;
    case ControlKind::kDatePicker:
      return text + 2;  // the text and the drop-down mark
    case ControlKind::kIcon:
      return 3;
    default:
      return 1;
  }
}

bool OneLine(const ControlView& c, double line_px) {
  if (c.kind != ControlKind::kLabel) return IsOneLineKind(c.kind);
  bool breaks = c.text.find_first_of(U"\r\n") != std::u32string::npos;
  return !breaks && (c.screen.bottom - c.screen.top) < 1.75 * line_px;
}

// Places one window's controls at a grid; answers the number of faults (a text cut short,
// two controls apart on screen sharing cells).
int PlaceControls(WindowView& w, const CellScale& scale, double line_px) {
  int faults = 0;
  int client_width =
      std::max(1, Round((w.client_screen.right - w.client_screen.left) / scale.column_px));
  int client_height =
      std::max(1, Round((w.client_screen.bottom - w.client_screen.top) / scale.row_px));
  w.client = CellRect{0, 0, client_width, client_height};
  // A drop-down calendar is as large as its drawing, with a blank column each side.
  if (w.controls.size() == 1 && w.controls[0].window == w.window &&
      w.controls[0].kind == ControlKind::kCalendar) {
    w.client = CellRect{0, 0, kCalendarColumns + 2, kCalendarRows};
    w.controls[0].cells = w.client;
    return 0;
  }
  for (ControlView& c : w.controls) {
    double x0 = c.screen.left - w.client_screen.left, x1 = c.screen.right - w.client_screen.left;
    double y0 = c.screen.top - w.client_screen.top, y1 = c.screen.bottom - w.client_screen.top;
    c.cells.left = Round(x0 / scale.column_px);
    c.cells.right = std::max(c.cells.left + 1, Round(x1 / scale.column_px));
    c.boxed = false;
    if (OneLine(c, line_px)) {
      c.cells.top = static_cast<int>(std::floor((y0 + y1) / 2 / scale.row_px));
      c.cells.bottom = c.cells.top + 1;
      if (WidthNeeded(c) > c.cells.width()) ++faults;
    } else {
      c.cells.top = Round(y0 / scale.row_px);
      c.cells.bottom = std::max(c.cells.top + 1, Round(y1 / scale.row_px));
      if (c.kind == ControlKind::kLabel && Lines(c, c.cells.width()) > c.cells.height()) ++faults;
    }
  }
  for (std::size_t i = 0; i < w.controls.size(); ++i) {
    for (std::size_t j = i + 1; j < w.controls.size(); ++j) {
      const ControlView& a = w.controls[i];
      const ControlView& b = w.controls[j];
      if (a.kind == ControlKind::kGroupBox || b.kind == ControlKind::kGroupBox) continue;
      if (a.cells.Intersects(b.cells) && !Intersect(a.screen, b.screen)) ++faults;
    }
  }
  return faults;
}

// A bordered one-line field gets a box when the rows above and below it are free.
void BoxFields(WindowView& w) {
  for (ControlView& c : w.controls) {
    // Combo boxes and date pickers always have their sunken edge.
    bool edged = c.kind == ControlKind::kComboBox || c.kind == ControlKind::kDatePicker;
    bool field = edged || c.kind == ControlKind::kEdit;
    if (!field || !(c.bordered || edged) || c.cells.width() < 4) continue;
    CellRect box{c.cells.left, c.cells.top - 1, c.cells.right, c.cells.bottom + 1};
    if (box.top < 0 || box.bottom > w.client.bottom) continue;
    bool free = true;
    for (const ControlView& other : w.controls) {
      if (&other == &c || other.kind == ControlKind::kGroupBox) continue;
      if (other.cells.Intersects(box)) free = false;
    }
    if (!free) continue;
    c.cells = box;
    c.boxed = true;
  }
}

void Offset(CellRect& r, int dx, int dy) {
  r.left += dx;
  r.right += dx;
  r.top += dy;
  r.bottom += dy;
}

}  // namespace

ControlKind ClassifyControl(std::u16string_view name, DWORD style) {
  if (SameName(name, u"Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
        return ControlKind::kCheckBox;
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        return ControlKind::kRadioButton;
      case BS_GROUPBOX:
        return ControlKind::kGroupBox;
      default:
        return ControlKind::kPushButton;
    }
  }
  if (SameName(name, u"Static")) {
    switch (style & SS_TYPEMASK) {
      case SS_LEFT:
      case SS_CENTER:
      case SS_RIGHT:
      case SS_SIMPLE:
      case SS_LEFTNOWORDWRAP:
        return ControlKind::kLabel;
      case SS_ICON:
        return ControlKind::kIcon;
      default:
        return ControlKind::kOther;  // frames, rectangles, pictures: nothing to read
    }
  }
  if (SameName(name, u"Edit")) {
    return (style & ES_MULTILINE) != 0 ? ControlKind::kMultiLineEdit : ControlKind::kEdit;
  }
  if (SameName(name, u"ListBox") || SameName(name, u"ComboLBox")) return ControlKind::kListBox;
  if (SameName(name, u"ComboBox")) return ControlKind::kComboBox;
  if (SameName(name, u"SysDateTimePick32")) return ControlKind::kDatePicker;
  if (SameName(name, u"SysMonthCal32")) return ControlKind::kCalendar;
  if (SameName(name, u"msctls_progress32")) return ControlKind::kProgress;
  return ControlKind::kOther;
}

bool IsOneLineKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::kPushButton:
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
    case ControlKind::kEdit:
    case ControlKind::kComboBox:
    case ControlKind::kDatePicker:
    case ControlKind::kIcon:
    case ControlKind::kProgress:
      return true;
    default:
      return false;
  }
}

std::vector<WindowView> ReadWindows(const std::vector<HWND>& bottom_to_top, HWND active) {
  std::vector<WindowView> windows;
  for (HWND top : bottom_to_top) {
    if (!IsWindowVisible(top)) continue;
    WindowView w;
    w.window = top;
    w.title = Utf32FromUtf16(WindowText(top));
    DWORD style = static_cast<DWORD>(GetWindowLongW(top, GWL_STYLE));
    w.caption = (style & WS_CAPTION) == WS_CAPTION;
    w.active = top == active;
    w.enabled = IsWindowEnabled(top) != FALSE;
    RECT client{};
    GetClientRect(top, &client);
    MapWindowPoints(top, nullptr, reinterpret_cast<POINT*>(&client), 2);
    w.client_screen = client;
    GetWindowRect(top, &w.window_screen);
    // A top-level control (a drop-down calendar or list) is its own content.
    ControlKind own = ClassifyControl(ClassNameOf(top), style);
    if (own != ControlKind::kOther) {
      ControlView self = ReadControl(top, own);
      self.screen = client;
      self.bordered = false;
      w.controls.push_back(self);
    } else {
      struct Walk {
        HWND top;
        std::vector<HWND> children;
      } walk{top, {}};
      EnumChildWindows(
          top,
          [](HWND child, LPARAM data) -> BOOL {
            reinterpret_cast<Walk*>(data)->children.push_back(child);
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&walk));
      std::vector<HWND> composites;
      for (HWND child : walk.children) {
        if (!IsWindowVisible(child)) continue;
        bool inside_composite = false;
        for (HWND up = GetParent(child); up != nullptr && up != top; up = GetParent(up)) {
          if (std::find(composites.begin(), composites.end(), up) != composites.end()) {
            inside_composite = true;
          }
        }
        DWORD child_style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        ControlKind kind = ClassifyControl(ClassNameOf(child), child_style);
        if (IsComposite(kind)) composites.push_back(child);
        if (inside_composite) continue;
        w.controls.push_back(ReadControl(child, kind));
      }
    }
    windows.push_back(std::move(w));
  }
  return windows;
}

ScreenLayout LayOutWindows(std::vector<WindowView> windows, int columns, int rows) {
  ScreenLayout layout;
  if (windows.empty()) {
    layout.fits = true;
    return layout;
  }
  SIZE units = BaseUnits(windows.front().window);
  const double line_px = units.cy;
  // The coarsest grid without faults, else the one with the fewest.
  int best_faults = -1;
  CellScale best{};
  for (const Grid& grid : kGrids) {
    CellScale scale{units.cx * grid.units_per_column / 4.0, units.cy * grid.units_per_row / 8.0};
    int faults = 0;
    for (WindowView& w : windows) faults += PlaceControls(w, scale, line_px);
    if (best_faults < 0 || faults < best_faults) {
      best_faults = faults;
      best = scale;
    }
    if (faults == 0) break;
  }
  layout.scale = best;
  for (WindowView& w : windows) {
    PlaceControls(w, best, line_px);
    BoxFields(w);
  }

  // The bottom window centred; the others where they are beside it.
  layout.fits = true;
  const WindowView& anchor = windows.front();
  int anchor_left = (columns - anchor.client.width() - 2) / 2 + 1;
  int anchor_top = (rows - anchor.client.height() - 2) / 2 + 1;
  for (WindowView& w : windows) {
    // The others' frames where their outer edges are, a window that starts within a row
    // of something starting on the next row (a drop-down under its field).
    int left = anchor_left, top = anchor_top;
    if (&w != &anchor) {
      left += Round((w.window_screen.left - anchor.client_screen.left) / best.column_px) + 1;
      top += static_cast<int>(
                 std::ceil((w.window_screen.top - anchor.client_screen.top) / best.row_px - 0.05)) +
             1;
    }
    int width = w.client.width(), height = w.client.height();
    if (width + 2 > columns || height + 2 > rows) layout.fits = false;
    left = std::clamp(left, 1, std::max(1, columns - width - 1));
    top = std::clamp(top, 1, std::max(1, rows - height - 1));
    for (ControlView& c : w.controls) Offset(c.cells, left, top);
    w.client = CellRect{left, top, left + width, top + height};
    w.frame = CellRect{left - 1, top - 1, left + width + 1, top + height + 1};
  }
  layout.windows = std::move(windows);
  return layout;
}

const WindowView* ScreenLayout::WindowAt(int column, int row) const {
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (it->frame.Contains(column, row)) return &*it;
  }
  return nullptr;
}

const ControlView* ScreenLayout::ControlAt(const WindowView& window, int column, int row) const {
  const ControlView* found = nullptr;
  for (const ControlView& c : window.controls) {
    if (!c.cells.Contains(column, row)) continue;
    // A group box only where nothing inside it is.
    if (found == nullptr || found->kind == ControlKind::kGroupBox) found = &c;
  }
  return found;
}

POINT ScreenLayout::ScreenPointOf(const WindowView& window, int column, int row) const {
  if (const ControlView* c = ControlAt(window, column, row)) {
    double fx = (column - c->cells.left + 0.5) / std::max(1, c->cells.width());
    double fy =
        IsOneLineKind(c->kind) ? 0.5 : (row - c->cells.top + 0.5) / std::max(1, c->cells.height());
    return POINT{c->screen.left + static_cast<LONG>(fx * (c->screen.right - c->screen.left)),
                 c->screen.top + static_cast<LONG>(fy * (c->screen.bottom - c->screen.top))};
  }
  return POINT{
      window.client_screen.left +
          static_cast<LONG>((column - window.client.left + 0.5) * scale.column_px),
      window.client_screen.top + static_cast<LONG>((row - window.client.top + 0.5) * scale.row_px)};
}

std::u32string WithoutMarkers(std::u32string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'&' && i + 1 < text.size())
      ++i;
    else if (text[i] == U'&')
      continue;
    out += text[i];
  }
  return out;
}

std::vector<std::u32string> WrapText(std::u32string_view text, int width) {
  std::vector<std::u32string> lines;
  width = std::max(1, width);
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(U"\r\n", start);
    std::u32string_view paragraph = text.substr(
        start, end == std::u32string_view::npos ? std::u32string_view::npos : end - start);
    // Cut the paragraph at blanks.
    do {
      if (static_cast<int>(paragraph.size()) <= width) {
        lines.emplace_back(paragraph);
        break;
      }
      std::size_t cut = paragraph.rfind(U' ', static_cast<std::size_t>(width));
      if (cut == std::u32string_view::npos || cut == 0) cut = static_cast<std::size_t>(width);
      lines.emplace_back(paragraph.substr(0, cut));
      paragraph.remove_prefix(cut);
      while (!paragraph.empty() && paragraph.front() == U' ') paragraph.remove_prefix(1);
    } while (!paragraph.empty());
    if (end == std::u32string_view::npos) break;
    start = end + 1;
    if (text[end] == U'\r' && start < text.size() && text[start] == U'\n') ++start;
  }
  return lines;
}

}  // namespace platform
