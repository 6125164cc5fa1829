// NumberToText: a number's decimal text pushed as an owned string on the work stack.
//
// A non-negative number keeps a leading space where the minus sign would be, unless the
// Trimmed form is used. The 7- and 15-digit forms are the usual single and double widths;
// the Digits forms take 1..18 (0 or more than 18 means 18). Allocation failure raises
// error 7 and pushes the empty string.
#pragma once

namespace runtime {

class StringWorkStack;

void NumberToText(StringWorkStack& strings, long double value, int digits, bool keep_sign_space);

inline void NumberToText7(StringWorkStack& strings, long double value) {
  NumberToText(strings, value, 7, true);
}
inline void NumberToText7Trimmed(StringWorkStack& strings, long double value) {
  NumberToText(strings, value, 7, false);
}
inline void NumberToText15(StringWorkStack& strings, long double value) {
  NumberToText(strings, value, 15, true);
}
inline void NumberToText15Trimmed(StringWorkStack& strings, long double value) {
  NumberToText(strings, value, 15, false);
}
inline void NumberToTextDigits(StringWorkStack& strings, long double value, int digits) {
  NumberToText(strings, value, digits, true);
}
inline void NumberToTextDigitsTrimmed(StringWorkStack& strings, long double value, int digits) {
  NumberToText(strings, value, digits, false);
}

}  // namespace runtime
