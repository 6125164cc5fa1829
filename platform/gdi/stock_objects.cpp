// GetStockObject: the stock pens and brushes, made once and never deleted.
#include <array>
#include <memory>

#include "platform/gdi/brush.h"
#include "platform/gdi/pen.h"
#include "platform/gdi/stock_fonts.h"

namespace platform::gdi {
namespace {

HGDIOBJ AddStock(std::unique_ptr<GdiObject> object) {
  object->MarkStock();
  return AddObject(std::move(object));
}

HGDIOBJ StockBrush(UINT style, COLORREF color) {
  return AddStock(std::make_unique<Brush>(style, color, 0));
}

HGDIOBJ StockPen(int style, COLORREF color) {
  return AddStock(std::make_unique<Pen>(OBJ_PEN, static_cast<DWORD>(style), 0, color));
}

// Pens and brushes by index; fonts come from StockFont and the palette is not kept.
const std::array<HGDIOBJ, DC_PEN + 1>& StockTable() {
  static const std::array<HGDIOBJ, DC_PEN + 1> table = [] {
    std::array<HGDIOBJ, DC_PEN + 1> t{};
    t[WHITE_BRUSH] = StockBrush(BS_SOLID, RGB(255, 255, 255));
    t[LTGRAY_BRUSH] = StockBrush(BS_SOLID, RGB(192, 192, 192));
    t[GRAY_BRUSH] = StockBrush(BS_SOLID, RGB(128, 128, 128));
    t[DKGRAY_BRUSH] = StockBrush(BS_SOLID, RGB(64, 64, 64));
    t[BLACK_BRUSH] = StockBrush(BS_SOLID, RGB(0, 0, 0));
    t[NULL_BRUSH] = StockBrush(BS_NULL, 0);
    t[WHITE_PEN] = StockPen(PS_SOLID, RGB(255, 255, 255));
    t[BLACK_PEN] = StockPen(PS_SOLID, RGB(0, 0, 0));
    t[NULL_PEN] = StockPen(PS_NULL, 0);
    auto dc_brush = std::make_unique<Brush>(BS_SOLID, RGB(255, 255, 255), 0);
    dc_brush->dc_brush = true;
    t[DC_BRUSH] = AddStock(std::move(dc_brush));
    auto dc_pen = std::make_unique<Pen>(OBJ_PEN, PS_SOLID, 0, RGB(0, 0, 0));
    dc_pen->dc_pen = true;
    t[DC_PEN] = AddStock(std::move(dc_pen));
    return t;
  }();
  return table;
}

}  // namespace
}  // namespace platform::gdi

extern "C" HGDIOBJ GetStockObject(int index) {
  switch (index) {
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case SYSTEM_FIXED_FONT:
    case DEFAULT_GUI_FONT:
      return platform::gdi::StockFont(index);
    default:
      break;
  }
  if (index < 0 || index > DC_PEN) return nullptr;
  return platform::gdi::StockTable()[static_cast<std::size_t>(index)];
}
