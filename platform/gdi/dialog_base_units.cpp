#include "platform/gdi/dialog_base_units.h"

#include "platform/gdi/font_object.h"

namespace platform::gdi {

SIZE FontDialogBaseUnits(HFONT font) {
  const FontObject* object = Find<FontObject>(font);
  if (object == nullptr) object = Find<FontObject>(StockFont(SYSTEM_FONT));
  static const RealizedFont fallback(StockLogFont(SYSTEM_FONT));
  const RealizedFont& realized = object != nullptr ? object->realized() : fallback;
  const int sum = realized.Width(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return SIZE{(sum / 26 + 1) / 2, realized.metrics().tmHeight};
}

}  // namespace platform::gdi
