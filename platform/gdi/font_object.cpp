#include "platform/gdi/font_object.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/device_context.h"
#include "platform/kernel/text_codecs.h"

namespace platform::gdi {

int FontObject::Describe(int size, void* buffer, bool wide) const {
  const int needed = wide ? sizeof(LOGFONTW) : sizeof(LOGFONTA);
  if (buffer == nullptr) return needed;
  if (size <= 0) return 0;
  const int copied = std::min(size, needed);
  if (wide) {
    std::memcpy(buffer, &logfont(), static_cast<std::size_t>(copied));
    return copied;
  }
  const LOGFONTW& source = logfont();
  LOGFONTA narrow{};
  std::memcpy(&narrow, &source, offsetof(LOGFONTW, lfFaceName));
  std::size_t length = 0;
  while (length < LF_FACESIZE && source.lfFaceName[length] != 0) ++length;
  // A name that needs more than 31 bytes in the ANSI code page (UTF-8) is cut to what
  // fits, whole characters only.
  char name[LF_FACESIZE * 3] = {};
  ConversionResult converted = Utf16ToUtf8(source.lfFaceName, length, name, sizeof(name), false);
  std::size_t bytes = std::min<std::size_t>(converted.length, LF_FACESIZE - 1);
  while (bytes > 0 && (static_cast<unsigned char>(name[bytes]) & 0xC0) == 0x80) --bytes;
  std::memcpy(narrow.lfFaceName, name, bytes);
  std::memcpy(buffer, &narrow, static_cast<std::size_t>(copied));
  return copied;
}

const RealizedFont& DcFont(const DeviceContext& dc) {
  if (const FontObject* font = Find<FontObject>(dc.state.font)) return font->realized();
  if (const FontObject* font = Find<FontObject>(StockFont(SYSTEM_FONT))) return font->realized();
  // Only when the object table could not take the stock font: draw with its twin.
  static const RealizedFont fallback(StockLogFont(SYSTEM_FONT));
  return fallback;
}

}  // namespace platform::gdi
