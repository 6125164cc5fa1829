#include "runtime/files/wide_path.h"

#include <algorithm>

namespace runtime {

WidePath WidePath::Pop(StringWorkStack& strings, std::uint32_t max_units) {
  WidePath path;
  const WCHAR* text = strings.WideText(0);
  std::uint32_t units = strings.Length(0) / sizeof(WCHAR);
  path.Append({text == nullptr ? u"" : text, std::min({units, max_units, kCapacity})});
  strings.PopDiscard();
  return path;
}

void WidePath::Append(std::u16string_view more) {
  std::size_t n = std::min<std::size_t>(more.size(), kCapacity - length_);
  std::copy_n(more.data(), n, text_ + length_);
  length_ += static_cast<std::uint32_t>(n);
  text_[length_] = 0;
}

void WidePath::Truncate(std::uint32_t n) {
  if (n >= length_) return;
  length_ = n;
  text_[length_] = 0;
}

}  // namespace runtime
