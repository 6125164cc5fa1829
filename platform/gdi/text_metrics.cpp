// GetTextMetrics, GetTextExtentPoint32, GetTextExtentExPoint, GetCharWidth32, GetTextFace:
// measuring with the font selected into a DC. Widths are sums of whole-pixel hinted
// advances, the same ones TextOut steps by, so a measured string and a drawn one agree.
#include <algorithm>
#include <string_view>

#include "platform/gdi/ansi_text.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font_object.h"

namespace platform::gdi {
namespace {

const RealizedFont* FontOfDc(HDC dc) {
  const DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return &DcFont(*context);
}

bool ValidText(const void* text, int count) {
  if (count < 0 || (count > 0 && text == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

BOOL Extent(HDC dc, std::u16string_view text, LPSIZE size) {
  const RealizedFont* font = FontOfDc(dc);
  if (font == nullptr) return FALSE;
  size->cx = font->Width(text);
  size->cy = font->metrics().tmHeight;
  return TRUE;
}

}  // namespace
}  // namespace platform::gdi

using platform::gdi::FontOfDc;
using platform::gdi::ValidText;

extern "C" {

BOOL GetTextMetricsW(HDC dc, LPTEXTMETRICW metrics) {
  const platform::gdi::RealizedFont* font = FontOfDc(dc);
  if (font == nullptr) return FALSE;
  if (metrics == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *metrics = font->metrics();
  return TRUE;
}

BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics) {
  TEXTMETRICW wide{};
  if (!GetTextMetricsW(dc, metrics == nullptr ? nullptr : &wide)) return FALSE;
  metrics->tmHeight = wide.tmHeight;
  metrics->tmAscent = wide.tmAscent;
  metrics->tmDescent = wide.tmDescent;
  metrics->tmInternalLeading = wide.tmInternalLeading;
  metrics->tmExternalLeading = wide.tmExternalLeading;
  metrics->tmAveCharWidth = wide.tmAveCharWidth;
  metrics->tmMaxCharWidth = wide.tmMaxCharWidth;
  metrics->tmWeight = wide.tmWeight;
  metrics->tmOverhang = wide.tmOverhang;
  metrics->tmDigitizedAspectX = wide.tmDigitizedAspectX;
  metrics->tmDigitizedAspectY = wide.tmDigitizedAspectY;
  metrics->tmFirstChar = 0x20;
  metrics->tmLastChar = 0xFF;
  metrics->tmDefaultChar = 0x1F;
  metrics->tmBreakChar = 0x20;
  metrics->tmItalic = wide.tmItalic;
  metrics->tmUnderlined = wide.tmUnderlined;
  metrics->tmStruckOut = wide.tmStruckOut;
  metrics->tmPitchAndFamily = wide.tmPitchAndFamily;
  metrics->tmCharSet = wide.tmCharSet;
  return TRUE;
}

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size) {
  if (!ValidText(text, count) || size == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return platform::gdi::Extent(dc, std::u16string_view(text == nullptr ? u"" : text,
                                                       static_cast<std::size_t>(count)),
                               size);
}

BOOL GetTextExtentPointW(HDC dc, LPCWSTR text, int count, LPSIZE size) {
  return GetTextExtentPoint32W(dc, text, count, size);
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size) {
  if (!ValidText(text, count) || size == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return platform::gdi::Extent(dc, platform::gdi::WidenAnsi(text, count), size);
}

BOOL GetTextExtentExPointW(HDC dc, LPCWSTR text, int count, int max_extent, LPINT fit,
                           LPINT partial_extents, LPSIZE size) {
  if (!ValidText(text, count) || size == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const platform::gdi::RealizedFont* font = FontOfDc(dc);
  if (font == nullptr) return FALSE;
  std::u16string_view view(text == nullptr ? u"" : text, static_cast<std::size_t>(count));
  const std::vector<int> advances = font->Advances(view);
  int extent = 0;
  int fitted = 0;
  for (std::size_t i = 0; i < advances.size(); ++i) {
    extent += advances[i];
    if (partial_extents != nullptr) partial_extents[i] = extent;
    if (extent <= max_extent && fitted == static_cast<int>(i)) fitted = static_cast<int>(i) + 1;
  }
  if (fit != nullptr) *fit = fitted;
  size->cx = extent;
  size->cy = font->metrics().tmHeight;
  return TRUE;
}

BOOL GetCharWidth32W(HDC dc, UINT first, UINT last, LPINT widths) {
  if (first > last || widths == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const platform::gdi::RealizedFont* font = FontOfDc(dc);
  if (font == nullptr) return FALSE;
  for (UINT c = first;; ++c) {
    widths[c - first] = font->AdvanceOf(static_cast<char32_t>(c));
    if (c == last) break;
  }
  return TRUE;
}

BOOL GetCharWidthW(HDC dc, UINT first, UINT last, LPINT widths) {
  return GetCharWidth32W(dc, first, last, widths);
}

int GetTextFaceW(HDC dc, int count, LPWSTR face_name) {
  const platform::gdi::RealizedFont* font = FontOfDc(dc);
  if (font == nullptr) return 0;
  const WCHAR* name = font->logfont().lfFaceName;
  int length = 0;
  while (length < LF_FACESIZE - 1 && name[length] != 0) ++length;
  if (face_name == nullptr) return length + 1;
  if (count <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int copied = std::min(length, count - 1);
  std::copy(name, name + copied, face_name);
  face_name[copied] = 0;
  return copied + 1;
}

}  // extern "C"
