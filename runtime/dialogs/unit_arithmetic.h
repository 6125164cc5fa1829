// The integer steps of the toolkit's unit conversions, apart from the windows they are
// measured on: dialog units from pixels, and pixels against hundredths of a millimetre.
#pragma once

#include <cstdint>

namespace runtime {

// pixels x 1024 / pixel_extent, where pixel_extent is what 1024 dialog units measure:
// a non-negative quotient rounds to the nearest integer with halves up, a negative one
// with a remainder goes down (so -1 pixel is -1 unit, not 0). A non-positive extent
// gives 0.
std::int32_t scale_pixels_to_units(std::int32_t pixels, std::int32_t pixel_extent);

// value x multiplier / divisor on unsigned 32-bit values with a 64-bit product, to the
// nearest with halves up; -1 when the quotient does not fit a signed 32-bit value (so
// every negative value gives -1) or the divisor is 0.
std::int32_t scale_unsigned_rounded(std::int32_t value, std::uint32_t multiplier,
                                    std::uint32_t divisor);

// Pixels at `dpi` dots per inch to hundredths of a millimetre, and back.
inline std::int32_t pixels_to_hundredths_mm(std::int32_t pixels, std::uint32_t dpi) {
  return scale_unsigned_rounded(pixels, 2540, dpi);
}
inline std::int32_t hundredths_mm_to_pixels(std::int32_t hundredths, std::uint32_t dpi) {
  return scale_unsigned_rounded(hundredths, dpi, 2540);
}

}  // namespace runtime
