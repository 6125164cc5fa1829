// UTF-8 <-> UTF-16. Most text the program converts is plain ASCII, so both directions
// first try to move eight bytes (four units) at a time before decoding one character.
#include <cstdint>
#include <cstring>

#include "platform/kernel/text_codecs.h"

namespace platform {
namespace {

constexpr WCHAR kReplacement = 0xFFFD;
constexpr std::uint64_t kHighBitOfEachByte = 0x8080808080808080ull;
constexpr std::uint64_t kNonAsciiOfEachUnit = 0xFF80FF80FF80FF80ull;

// Decodes one multi-byte sequence starting at in[i] (in[i] >= 0x80). Returns the code
// point, or -1 when the sequence is malformed; `next` is where decoding resumes. A
// malformed sequence consumes its lead byte and the continuation bytes that were still
// acceptable, so the byte that broke it is looked at again as a possible lead byte.
std::int32_t DecodeSequence(const unsigned char* in, std::size_t bytes, std::size_t i,
                            std::size_t* next) {
  const unsigned char lead = in[i];
  int continuation_bytes;
  std::uint32_t code_point;
  // The first continuation byte's range excludes overlong forms, surrogates and values
  // above U+10FFFF.
  unsigned char lower = 0x80;
  unsigned char upper = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuation_bytes = 1;
    code_point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuation_bytes = 2;
    code_point = lead & 0x0F;
    if (lead == 0xE0) lower = 0xA0;
    if (lead == 0xED) upper = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuation_bytes = 3;
    code_point = lead & 0x07;
    if (lead == 0xF0) lower = 0x90;
    if (lead == 0xF4) upper = 0x8F;
  } else {
    *next = i + 1;
    return -1;
  }
  std::size_t j = i + 1;
  for (int k = 0; k < continuation_bytes; ++k, ++j) {
    if (j >= bytes || in[j] < lower || in[j] > upper) {
      *next = j;
      return -1;
    }
    code_point = (code_point << 6) | (in[j] & 0x3F);
    lower = 0x80;
    upper = 0xBF;
  }
  *next = j;
  return static_cast<std::int32_t>(code_point);
}

template <bool kCountOnly>
ConversionResult DecodeUtf8(const unsigned char* in, std::size_t bytes, WCHAR* out,
                            std::size_t capacity, bool refuse_invalid) {
  std::size_t i = 0;
  std::size_t w = 0;
  auto room_for = [&](std::size_t units) { return kCountOnly || capacity - w >= units; };
  while (i < bytes) {
    if (in[i] < 0x80) {
      while (i + 8 <= bytes && room_for(8)) {
        std::uint64_t word;
        std::memcpy(&word, in + i, sizeof word);
        if ((word & kHighBitOfEachByte) != 0) break;
        if constexpr (!kCountOnly) {
          for (int k = 0; k < 8; ++k) out[w + k] = in[i + k];
        }
        i += 8;
        w += 8;
      }
      while (i < bytes && in[i] < 0x80) {
        if (!room_for(1)) return {w, ConversionStatus::kOverflow};
        if constexpr (!kCountOnly) out[w] = in[i];
        ++w;
        ++i;
      }
      continue;
    }
    std::size_t next;
    std::int32_t code_point = DecodeSequence(in, bytes, i, &next);
    i = next;
    if (code_point < 0) {
      if (refuse_invalid) return {w, ConversionStatus::kInvalid};
      code_point = kReplacement;
    }
    if (code_point >= 0x10000) {
      if (!room_for(2)) return {w, ConversionStatus::kOverflow};
      if constexpr (!kCountOnly) {
        const std::uint32_t offset = static_cast<std::uint32_t>(code_point) - 0x10000;
        out[w] = static_cast<WCHAR>(0xD800 + (offset >> 10));
        out[w + 1] = static_cast<WCHAR>(0xDC00 + (offset & 0x3FF));
      }
      w += 2;
    } else {
      if (!room_for(1)) return {w, ConversionStatus::kOverflow};
      if constexpr (!kCountOnly) out[w] = static_cast<WCHAR>(code_point);
      ++w;
    }
  }
  return {w, ConversionStatus::kOk};
}

bool IsHighSurrogate(WCHAR u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(WCHAR u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

template <bool kCountOnly>
ConversionResult EncodeUtf8(const WCHAR* in, std::size_t units, char* out, std::size_t capacity,
                            bool refuse_invalid) {
  std::size_t i = 0;
  std::size_t w = 0;
  auto room_for = [&](std::size_t bytes) { return kCountOnly || capacity - w >= bytes; };
  auto put = [&](std::size_t at, std::uint32_t byte) {
    if constexpr (!kCountOnly) out[w + at] = static_cast<char>(byte);
  };
  while (i < units) {
    if (in[i] < 0x80) {
      while (i + 4 <= units && room_for(4)) {
        std::uint64_t word;
        std::memcpy(&word, in + i, sizeof word);
        if ((word & kNonAsciiOfEachUnit) != 0) break;
        for (int k = 0; k < 4; ++k) put(k, in[i + k]);
        i += 4;
        w += 4;
      }
      while (i < units && in[i] < 0x80) {
        if (!room_for(1)) return {w, ConversionStatus::kOverflow};
        put(0, in[i]);
        ++w;
        ++i;
      }
      continue;
    }
    std::uint32_t code_point = in[i];
    std::size_t consumed = 1;
    if (IsHighSurrogate(in[i]) && i + 1 < units && IsLowSurrogate(in[i + 1])) {
      code_point = 0x10000 + ((code_point - 0xD800) << 10) + (in[i + 1] - 0xDC00u);
      consumed = 2;
    } else if (IsHighSurrogate(in[i]) || IsLowSurrogate(in[i])) {
      if (refuse_invalid) return {w, ConversionStatus::kInvalid};
      code_point = kReplacement;
    }
    if (code_point < 0x800) {
      if (!room_for(2)) return {w, ConversionStatus::kOverflow};
      put(0, 0xC0 | (code_point >> 6));
      put(1, 0x80 | (code_point & 0x3F));
      w += 2;
    } else if (code_point < 0x10000) {
      if (!room_for(3)) return {w, ConversionStatus::kOverflow};
      put(0, 0xE0 | (code_point >> 12));
      put(1, 0x80 | ((code_point >> 6) & 0x3F));
      put(2, 0x80 | (code_point & 0x3F));
      w += 3;
    } else {
      if (!room_for(4)) return {w, ConversionStatus::kOverflow};
      put(0, 0xF0 | (code_point >> 18));
      put(1, 0x80 | ((code_point >> 12) & 0x3F));
      put(2, 0x80 | ((code_point >> 6) & 0x3F));
      put(3, 0x80 | (code_point & 0x3F));
      w += 4;
    }
    i += consumed;
  }
  return {w, ConversionStatus::kOk};
}

}  // namespace

ConversionResult Utf8ToUtf16(const char* in, std::size_t bytes, WCHAR* out, std::size_t capacity,
                             bool refuse_invalid) {
  const auto* data = reinterpret_cast<const unsigned char*>(in);
  if (out == nullptr) return DecodeUtf8<true>(data, bytes, nullptr, 0, refuse_invalid);
  return DecodeUtf8<false>(data, bytes, out, capacity, refuse_invalid);
}

ConversionResult Utf16ToUtf8(const WCHAR* in, std::size_t units, char* out, std::size_t capacity,
                             bool refuse_invalid) {
  if (out == nullptr) return EncodeUtf8<true>(in, units, nullptr, 0, refuse_invalid);
  return EncodeUtf8<false>(in, units, out, capacity, refuse_invalid);
}

}  // namespace platform
