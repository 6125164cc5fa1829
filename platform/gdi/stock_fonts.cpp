// The stock fonts of GetStockObject, as Windows 2000 describes them at 96 DPI, each made
// real by the face mapper like any other LOGFONT.
#include <array>
#include <cstring>
#include <memory>
#include <mutex>

#include "platform/gdi/font_object.h"

namespace platform::gdi {
namespace {

struct StockFontRow {
  int index;
  LONG height;
  LONG weight;
  BYTE char_set;
  BYTE pitch_and_family;
  const char16_t* face;
};

constexpr std::array<StockFontRow, 7> kStockFonts = {{
    {OEM_FIXED_FONT, 12, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, u"Terminal"},
    {ANSI_FIXED_FONT, 12, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, u"Courier"},
    {ANSI_VAR_FONT, 12, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, u"MS Sans Serif"},
    {SYSTEM_FONT, 16, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, u"System"},
    {DEVICE_DEFAULT_FONT, 16, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, u"System"},
    {SYSTEM_FIXED_FONT, 16, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, u"Fixedsys"},
    // "MS Shell Dlg" at 8 points: -MulDiv(8, 96, 72).
    {DEFAULT_GUI_FONT, -11, FW_NORMAL, DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS,
     u"MS Shell Dlg"},
}};

const StockFontRow* RowOf(int index) {
  for (const StockFontRow& row : kStockFonts) {
    if (row.index == index) return &row;
  }
  return nullptr;
}

LOGFONTW LogFontOf(const StockFontRow& row) {
  LOGFONTW logfont{};
  logfont.lfHeight = row.height;
  logfont.lfWeight = row.weight;
  logfont.lfCharSet = row.char_set;
  logfont.lfPitchAndFamily = row.pitch_and_family;
  for (int i = 0; row.face[i] != 0 && i < LF_FACESIZE - 1; ++i) logfont.lfFaceName[i] = row.face[i];
  return logfont;
}

}  // namespace

LOGFONTW StockLogFont(int index) {
  const StockFontRow* row = RowOf(index);
  return LogFontOf(row != nullptr ? *row : *RowOf(SYSTEM_FONT));
}

HFONT StockFont(int index) {
  // Each made on its first use, then never deleted: making one loads its face and hints
  // its glyphs, so a program pays only for the stock fonts it draws with.
  static std::array<std::once_flag, kStockFonts.size()> made_once;
  static std::array<HFONT, kStockFonts.size()> handles{};
  for (std::size_t i = 0; i < kStockFonts.size(); ++i) {
    if (kStockFonts[i].index != index) continue;
    std::call_once(made_once[i], [i] {
      auto object = std::make_unique<FontObject>(LogFontOf(kStockFonts[i]));
      object->MarkStock();
      handles[i] = static_cast<HFONT>(AddObject(std::move(object)));
    });
    return handles[i];
  }
  return nullptr;
}

}  // namespace platform::gdi
