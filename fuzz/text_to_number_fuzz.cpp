// Arbitrary bytes to the number reader: it must stay inside the bytes it is given and
// report a consumed count within them.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "runtime/text/number_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exactly-sized heap copy: one byte too far is a heap overflow the sanitizer sees.
  std::unique_ptr<char[]> bytes(new char[size == 0 ? 1 : size]);
  if (size != 0) std::memcpy(bytes.get(), data, size);
  runtime::ParsedNumber parsed = runtime::ParseNumber(size == 0 ? nullptr : bytes.get(), size);
  if (parsed.consumed > size) std::abort();
  // Values past the range are capped, so the reader never produces an infinity or a NaN.
  if (std::isnan(parsed.value) || std::isinf(parsed.value)) std::abort();
  return 0;
}
