// The text of a number, written into a caller's buffer: no allocation, no platform.
//
// Plain forms up to `digits` digits ("25", "123.45", ".001", with no 0 before the point),
// otherwise the exponent form "1.5E+20" / "1E-16" with an exponent of 1 to 4 digits. A
// non-negative value starts with a space where the minus sign would go; without
// keepSignSpace that space is dropped.
#pragma once

#include <cstddef>

namespace runtime {

// The longest text is the exponent form: sign, 18 digits, ".", "E+", 4 digits.
inline constexpr std::size_t kNumberTextCapacity = 32;

// Writes the text (no NUL) into out[0..kNumberTextCapacity) and returns its length.
// digits of 0 or more than 18 means 18.
std::size_t FormatNumberText(long double value, int digits, bool keep_sign_space, char* out);

}  // namespace runtime
