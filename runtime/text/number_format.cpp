#include "runtime/text/number_format.h"

#include "runtime/text/decimal_digits.h"

namespace runtime {
namespace {

class TextWriter {
 public:
  explicit TextWriter(char* out) : out_(out) {}
  void Put(char c) { out_[size_++] = c; }
  void Put(const char* bytes, int n) {
    for (int i = 0; i < n; ++i) Put(bytes[i]);
  }
  void Repeat(char c, int n) {
    for (int i = 0; i < n; ++i) Put(c);
  }
  void Unsigned(int value) {
    char reversed[12];
    int n = 0;
    do {
      reversed[n++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (n > 0) Put(reversed[--n]);
  }
  std::size_t size() const { return size_; }

 private:
  char* out_;
  std::size_t size_ = 0;
};

void PutExponentForm(TextWriter& text, const DecimalDigitsResult& d, int significant, char sign,
                     int exponent) {
  text.Put(d.digits[0]);
  if (significant > 1) {
    text.Put('.');
    text.Put(d.digits + 1, significant - 1);
  }
  text.Put('E');
  text.Put(sign);
  text.Unsigned(exponent);
}

}  // namespace

std::size_t FormatNumberText(long double value, int digits, bool keep_sign_space, char* out) {
  if (digits <= 0 || digits > kMaxSignificantDigits) digits = kMaxSignificantDigits;
  DecimalDigitsResult d = DecimalDigits(value, digits);
  int significant = d.count;
  while (significant > 1 && d.digits[significant - 1] == '0') --significant;
  const int e = d.exponent;
  const int t = e - significant;  // position of the last digit relative to the point

  TextWriter text(out);
  if (d.negative) {
    text.Put('-');
  } else if (keep_sign_space) {
    text.Put(' ');
  }

  if (t == 0) {
    text.Put(d.digits, significant);
  } else if (t > 0) {
    if (e <= digits) {
      text.Put(d.digits, significant);
      text.Repeat('0', t);
    } else {
      PutExponentForm(text, d, significant, '+', e - 1);
    }
  } else {
    const int fraction = -t;
    if (fraction > digits) {
      PutExponentForm(text, d, significant, '-', fraction - significant + 1);
    } else if (significant > fraction) {
      text.Put(d.digits, significant - fraction);
      text.Put('.');
      text.Put(d.digits + significant - fraction, fraction);
    } else {
      text.Put('.');
      text.Repeat('0', fraction - significant);
      text.Put(d.digits, significant);
    }
  }
  return text.size();
}

}  // namespace runtime
