// CreateFontIndirectW / CreateFontW and their ANSI forms.
#include <cstring>
#include <memory>

#include "platform/gdi/ansi_text.h"
#include "platform/gdi/font_object.h"

namespace platform::gdi {
namespace {

HFONT AddFont(LOGFONTW logfont) {
  logfont.lfFaceName[LF_FACESIZE - 1] = 0;  // an unterminated name is cut, not overrun
  return static_cast<HFONT>(AddObject(std::make_unique<FontObject>(logfont)));
}

// Copies at most LF_FACESIZE - 1 units of a name of any length (longer names are cut,
// as the font mapper only ever looks at that many).
void CopyFaceName(LPCWSTR name, WCHAR* out) {
  if (name == nullptr) return;
  for (int i = 0; i < LF_FACESIZE - 1 && name[i] != 0; ++i) out[i] = name[i];
}

void CopyAnsiFaceName(LPCSTR name, std::size_t max_bytes, WCHAR* out) {
  if (name == nullptr) return;
  std::size_t bytes = 0;
  while (bytes < max_bytes && name[bytes] != 0) ++bytes;
  std::u16string wide = WidenAnsi(name, static_cast<int>(bytes));
  CopyFaceName(wide.c_str(), out);
}

LOGFONTW LogFontFromArguments(int height, int width, int escapement, int orientation,
                              int weight, DWORD italic, DWORD underline, DWORD strike_out,
                              DWORD char_set, DWORD out_precision, DWORD clip_precision,
                              DWORD quality, DWORD pitch_and_family) {
  LOGFONTW logfont{};
  logfont.lfHeight = height;
  logfont.lfWidth = width;
  logfont.lfEscapement = escapement;
  logfont.lfOrientation = orientation;
  logfont.lfWeight = weight;
  logfont.lfItalic = italic ? 1 : 0;
  logfont.lfUnderline = underline ? 1 : 0;
  logfont.lfStrikeOut = strike_out ? 1 : 0;
  logfont.lfCharSet = static_cast<BYTE>(char_set);
  logfont.lfOutPrecision = static_cast<BYTE>(out_precision);
  logfont.lfClipPrecision = static_cast<BYTE>(clip_precision);
  logfont.lfQuality = static_cast<BYTE>(quality);
  logfont.lfPitchAndFamily = static_cast<BYTE>(pitch_and_family);
  return logfont;
}

}  // namespace
}  // namespace platform::gdi

using platform::gdi::AddFont;

extern "C" {

HFONT CreateFontIndirectW(const LOGFONTW* logfont) {
  if (logfont == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return AddFont(*logfont);
}

HFONT CreateFontIndirectA(const LOGFONTA* logfont) {
  if (logfont == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGFONTW wide{};
  std::memcpy(&wide, logfont, offsetof(LOGFONTA, lfFaceName));
  platform::gdi::CopyAnsiFaceName(logfont->lfFaceName, LF_FACESIZE, wide.lfFaceName);
  return AddFont(wide);
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight,
                  DWORD italic, DWORD underline, DWORD strike_out, DWORD char_set,
                  DWORD out_precision, DWORD clip_precision, DWORD quality,
                  DWORD pitch_and_family, LPCWSTR face_name) {
  LOGFONTW logfont = platform::gdi::LogFontFromArguments(
      height, width, escapement, orientation, weight, italic, underline, strike_out, char_set,
      out_precision, clip_precision, quality, pitch_and_family);
  platform::gdi::CopyFaceName(face_name, logfont.lfFaceName);
  return AddFont(logfont);
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  DWORD italic, DWORD underline, DWORD strike_out, DWORD char_set,
                  DWORD out_precision, DWORD clip_precision, DWORD quality,
                  DWORD pitch_and_family, LPCSTR face_name) {
  LOGFONTW logfont = platform::gdi::LogFontFromArguments(
      height, width, escapement, orientation, weight, italic, underline, strike_out, char_set,
      out_precision, clip_precision, quality, pitch_and_family);
  // Enough bytes for LF_FACESIZE - 1 characters of up to four bytes; the rest is cut.
  platform::gdi::CopyAnsiFaceName(face_name, (LF_FACESIZE - 1) * 4, logfont.lfFaceName);
  return AddFont(logfont);
}

}  // extern "C"
