#include "runtime/dialogs/control_classes.h"

#include <array>

#include "runtime/dialogs/dialog_state.h"

namespace runtime {
namespace {

constexpr DWORD kBorder = 0x00800000;        // WS_BORDER
constexpr DWORD kClientEdge = 0x200;         // WS_EX_CLIENTEDGE
constexpr DWORD kScrollBarVertical = 0x1;    // SBS_VERT
constexpr DWORD kTreeCheckBoxes = 0x100;     // TVS_CHECKBOXES

constexpr std::array<ControlClass, 25> kTable{{
    {u"BUTTON", 0x50010000, 0x50000000, 0},                       // 1 push button
    {u"BUTTON", 0x50010006, 0x50000006, 0xA7FC00C9},              // 2 three-state box
    {u"BUTTON", 0x50010003, 0x50000003, 0xA7FC00CC},              // 3 check box
    {u"BUTTON", 0x50000007, 0x50000007, 0xA7FFD0F8},              // 4 group frame
    {u"STATIC", 0x50000000, 0x50000000, 0},                       // 5 label
    {u"STATIC", 0x50000012, 0x50000000, 0},                       // 6 frame or line
    {u"BUTTON", 0x50010009, 0x50000009, 0xA7FC00C6},              // 7 option button
    {u"SCROLLBAR", 0x50000000, 0x50000000, 0},                    // 8 scroll bar
    {u"EDIT", 0x50810080, 0x50000000, 0},                         // 9 text box
    {u"STATIC", 0x5000000E, 0x5000000E, 0},                       // 10 image
    {u"STATIC", 0x5000000E, 0x5000000E, 0},                       // 11 image fitted
    {u"BUTTON", 0x50010080, 0x50000080, 0},                       // 12 image button
    {u"BUTTON", 0x50010080, 0x50000080, 0},                       // 13 image button fitted
    {u"STATIC", 0x5001000D, 0x5000000D, 0},                       // 14 graphic control
    {u"STATIC", 0x5001000D, 0x5000000D, 0},                       // 15 graphic surface
    {u"SysHeader32", 0x50000000, 0x50000000, 0},                  // 16 header
    {u"SysListView32", 0x50000009, 0x50000000, 0},                // 17 list view
    {u"SysTreeView32", 0x50010027, 0x50000000, 0},                // 18 tree view
    {u"msctls_progress32", 0x50800000, 0x50000000, 0},            // 19 progress bar
    {u"msctls_statusbar32", 0x50000003, 0x50000000, 0},           // 20 status bar
    {u"ToolbarWindow32", 0x50800801, 0x50000000, 0},              // 21 toolbar
    {u"SysTabControl32", 0x56010000, 0x50000000, 0x305},          // 22 tab control
    {u"ACTIVEX", 0, 0, 0},                                        // 23 the caller's class
    {u"COMBOBOX", 0x50010102, 0x50000000, 0},                     // 24 combo box
    {u"LISTBOX", 0x50A10003, 0x50000001, 0},                      // 25 list box
}};

}  // namespace

const ControlClass* control_class(std::int32_t kind) {
  if (kind < kFirstTableKind || kind > kLastTableKind) return nullptr;
  return &kTable[static_cast<std::size_t>(kind - 1)];
}

ControlCreation control_creation(std::int32_t kind, const WCHAR* caller_class, DWORD style,
                                 DWORD ex_style, std::int32_t width_px, std::int32_t height_px) {
  const ControlClass* row = control_class(kind);
  if (row == nullptr) return {caller_class, style, ex_style, style};
  if (style == 0) {
    style = row->default_style;
    if (kind == kind::kScrollBar && width_px < height_px) style |= kScrollBarVertical;
    if ((kind == kind::kTextBox || kind == kind::kComboBox || kind == kind::kListBox) &&
        (style & kBorder) != 0) {
      style &= ~kBorder;
      ex_style |= kClientEdge;
    }
  }
  style = (style | row->always_on) & ~row->always_off;
  DWORD final_style = style;
  if (kind == kind::kTreeView) style &= ~kTreeCheckBoxes;
  const WCHAR* class_name = kind == kind::kOtherClass ? caller_class : row->class_name;
  return {class_name, style, ex_style, final_style};
}

DWORD icon_style_for_image_kind(std::int32_t kind, DWORD style) {
  if (kind == kind::kImage || kind == kind::kImageFitted) return (style & ~0xEu) | 0x3;  // SS_ICON
  if (kind == kind::kImageButton || kind == kind::kImageButtonFitted) {
    return (style & ~0x80u) | 0x40;  // BS_BITMAP -> BS_ICON
  }
  return style;
}

}  // namespace runtime
