#include "runtime/dialogs/unit_arithmetic.h"

namespace runtime {

std::int32_t scale_pixels_to_units(std::int32_t pixels, std::int32_t pixel_extent) {
  if (pixel_extent <= 0) return 0;
  const std::int64_t n = static_cast<std::int64_t>(pixels) * 1024;
  const std::int64_t d = pixel_extent;
  std::int64_t q = n / d;
  const std::int64_t r = n % d;
  if (n >= 0) {
    if (2 * r + 1 > d) ++q;
  } else if (r != 0) {
    --q;  // toward minus infinity
  }
  return static_cast<std::int32_t>(q);
}

std::int32_t scale_unsigned_rounded(std::int32_t value, std::uint32_t multiplier,
                                    std::uint32_t divisor) {
  if (divisor == 0) return -1;
  const std::uint64_t n = static_cast<std::uint64_t>(static_cast<std::uint32_t>(value)) * multiplier;
  std::uint64_t q = n / divisor;
  if (2 * (n % divisor) >= divisor) ++q;
  if (q > 0x7FFFFFFFu) return -1;
  return static_cast<std::int32_t>(q);
}

}  // namespace runtime
