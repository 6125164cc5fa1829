// Stand-in for the stock fonts until the text part of gdi provides StockFont; the weak
// definition gives way to that one when both are linked.
#include "platform/gdi/stock_fonts.h"

namespace platform::gdi {

__attribute__((weak)) HFONT StockFont(int) { return nullptr; }

}  // namespace platform::gdi
