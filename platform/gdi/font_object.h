// The font GDI object (OBJ_FONT) and the font a DC draws with (platform-internal).
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/realized_font.h"
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

 private:
  std::shared_ptr<const RealizedFont> realized_;
};

// GetObjectW / GetObjectA of a font: copies min(size, sizeof(LOGFONTx)) bytes of its
// LOGFONT to `buffer`, or with a null buffer returns the size needed. 0 when `font` is
// not a live font.
int GetFontObjectW(HGDIOBJ font, int size, void* buffer);
int GetFontObjectA(HGDIOBJ font, int size, void* buffer);

// The stock font of a GetStockObject index (OEM_FIXED_FONT … DEFAULT_GUI_FONT), made on
// first use; null for other indices.
HFONT StockFont(int index);
// The LOGFONT of a stock font index (SYSTEM_FONT's for an unknown index).
LOGFONTW StockLogFont(int index);

// The font a DC draws and measures with: the selected font, or the stock SYSTEM_FONT when
// none is selected yet (a new DC's default). Never null.
const RealizedFont& DcFont(const DeviceContext& dc);

}  // namespace platform::gdi
