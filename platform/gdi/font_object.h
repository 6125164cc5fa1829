// The font GDI object (OBJ_FONT) and the font a DC draws with (platform-internal).
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/realized_font.h"
#include "platform/gdi/stock_fonts.h"
#include "platform/win32.h"

namespace platform::gdi {

class DeviceContext;

class FontObject : public GdiObject {
 public:
  static bool Accepts(DWORD type) { return type == OBJ_FONT; }
  // `logfont` is kept as given (GetObjectW returns it); the face name must already be
  // zero-terminated within LF_FACESIZE.
  explicit FontObject(const LOGFONTW& logfont)
      : GdiObject(OBJ_FONT), realized_(std::make_shared<const RealizedFont>(logfont)) {}

  const LOGFONTW& logfont() const { return realized_->logfont(); }
  const RealizedFont& realized() const { return *realized_; }

  // GetObjectW / GetObjectA: the LOGFONTW, or a LOGFONTA whose name is cut to whole
  // characters within 31 bytes.
  int Describe(int size, void* buffer, bool wide) const override;

 private:
  std::shared_ptr<const RealizedFont> realized_;
};

// The LOGFONT of a stock font index (SYSTEM_FONT's for an unknown index).
LOGFONTW StockLogFont(int index);

// The font a DC draws and measures with: the selected font, or the stock SYSTEM_FONT when
// none is selected yet (a new DC's default). Never null.
const RealizedFont& DcFont(const DeviceContext& dc);

}  // namespace platform::gdi
