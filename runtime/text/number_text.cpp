#include "runtime/text/number_text.h"

#include "runtime/text/number_format.h"
#include "runtime/text/work_stack.h"

namespace runtime {

void NumberToText(StringWorkStack& strings, long double value, int digits, bool keep_sign_space) {
  char text[kNumberTextCapacity];
  std::size_t length = FormatNumberText(value, digits, keep_sign_space, text);
  strings.PushOwned(DynString::Copy(strings.errors(), {text, length}));
}

}  // namespace runtime
