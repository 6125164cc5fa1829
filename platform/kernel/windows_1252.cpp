// Windows-1252: Latin-1 with printable characters in 0x80-0x9F. The five bytes the code
// page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 controls of the
// same value and encode back to themselves, so every byte string survives a round trip.
#include <array>

#include "platform/kernel/text_codecs.h"

namespace platform {
namespace {

constexpr std::array<WCHAR, 32> kBytes80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

WCHAR DecodeByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kBytes80To9F[byte - 0x80];
  return byte;
}

// The byte for `unit`, or -1 when the code page has none.
int EncodeUnit(WCHAR unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return unit;
  for (std::size_t k = 0; k < kBytes80To9F.size(); ++k) {
    if (kBytes80To9F[k] == unit) return static_cast<int>(0x80 + k);
  }
  return -1;
}

bool IsHighSurrogate(WCHAR u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(WCHAR u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

ConversionResult Windows1252ToUtf16(const char* in, std::size_t bytes, WCHAR* out,
                                    std::size_t capacity) {
  if (out == nullptr) return {bytes, ConversionStatus::kOk};
  const auto* data = reinterpret_cast<const unsigned char*>(in);
  const std::size_t fitting = bytes < capacity ? bytes : capacity;
  for (std::size_t i = 0; i < fitting; ++i) out[i] = DecodeByte(data[i]);
  if (fitting < bytes) return {fitting, ConversionStatus::kOverflow};
  return {bytes, ConversionStatus::kOk};
}

ConversionResult Utf16ToWindows1252(const WCHAR* in, std::size_t units, char* out,
                                    std::size_t capacity, char default_char, bool* used_default) {
  std::size_t w = 0;
  for (std::size_t i = 0; i < units; ++i) {
    int byte = EncodeUnit(in[i]);
    if (byte < 0) {
      *used_default = true;
      byte = static_cast<unsigned char>(default_char);
      // A surrogate pair is one character and gets one default character.
      if (IsHighSurrogate(in[i]) && i + 1 < units && IsLowSurrogate(in[i + 1])) ++i;
    }
    if (out != nullptr) {
      if (w >= capacity) return {w, ConversionStatus::kOverflow};
      out[w] = static_cast<char>(byte);
    }
    ++w;
  }
  return {w, ConversionStatus::kOk};
}

}  // namespace platform
