// Any 80-bit pattern (NaNs, infinities, denormals, unnormals, pseudo-denormals) to the
// number text: the text always fits, always reads back, and for values in the readable
// range writing, reading and writing again gives the same text at every width.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/text/decimal_digits.h"
#include "runtime/text/extended_float.h"
#include "runtime/text/number_format.h"
#include "runtime/text/number_parse.h"

namespace {

[[noreturn]] void Mismatch(const char* what, long double value, const char* a, std::size_t na,
                           const char* b, std::size_t nb) {
  std::fprintf(stderr, "%s: %La: '%.*s' then '%.*s'\n", what, value, static_cast<int>(na), a,
               static_cast<int>(nb), b);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, data, size < 10 ? size : 10);
  int digits = size > 10 ? data[10] % 20 : 15;
  long double value;
  std::memcpy(&value, bytes, sizeof value);

  runtime::ExtendedFields fields = runtime::ExtendedFields::Of(value);
  if (fields.Classify() == runtime::ExtendedFields::Kind::kFinite) {
    long double magnitude =
        std::ldexp(static_cast<long double>(fields.significand), fields.BinaryExponent());
    if (!(runtime::LeadingDigitsOf(magnitude) == runtime::LeadingDigitsReference(magnitude))) {
      std::fprintf(stderr, "leading digits differ for %La\n", magnitude);
      std::abort();
    }
  }

  char first[runtime::kNumberTextCapacity];
  std::size_t n1 = runtime::FormatNumberText(value, digits, true, first);
  if (n1 == 0 || n1 > runtime::kNumberTextCapacity) std::abort();
  runtime::ParsedNumber parsed = runtime::ParseNumber(first, n1);
  if (parsed.consumed != n1) Mismatch("not read whole", value, first, n1, first, n1);

  bool normal_in_range = fields.Classify() == runtime::ExtendedFields::Kind::kFinite &&
                         fields.biased_exponent != 0 && std::fabs(value) < 1e4931L &&
                         std::fabs(value) > 1e-4930L;
  if (!normal_in_range) return 0;
  char second[runtime::kNumberTextCapacity];
  std::size_t n2 = runtime::FormatNumberText(parsed.value, digits, true, second);
  if (n1 != n2 || std::memcmp(first, second, n1) != 0) {
    Mismatch("unstable text", value, first, n1, second, n2);
  }
  return 0;
}
