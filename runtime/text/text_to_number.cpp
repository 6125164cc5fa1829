#include "runtime/text/text_to_number.h"

#include "runtime/text/number_parse.h"
#include "runtime/text/work_stack.h"

namespace runtime {

long double TextToNumber(StringWorkStack& strings, std::int32_t start) {
  std::string_view text = strings.View(0);
  std::size_t skip = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  long double value = 0;
  if (skip < text.size()) value = ParseNumber(text.data() + skip, text.size() - skip).value;
  strings.PopDiscard();
  return value;
}

}  // namespace runtime
