// Literal texts with the layout of a system string: a 32-bit length, the bytes, then a
// 16-bit zero, on a 4-byte boundary. They are pushed as borrowed and never freed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace runtime {

template <std::size_t N>
struct StaticText {
  alignas(4) std::uint32_t length;
  char bytes[N + 1];  // the text, its NUL and a second zero byte

  constexpr StaticText(const char (&text)[N]) : length(N - 1), bytes{} {
    for (std::size_t i = 0; i + 1 < N; ++i) bytes[i] = text[i];
  }
  // Empty literals are the null string.
  constexpr const char* data() const { return N == 1 ? nullptr : bytes; }
  constexpr std::uint32_t size() const { return length; }
  constexpr std::string_view view() const { return {bytes, length}; }
};

}  // namespace runtime
