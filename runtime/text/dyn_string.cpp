#include "runtime/text/dyn_string.h"

#include <cstring>

#include "platform/win32.h"
#include "runtime/frame/error_state.h"

namespace runtime {

char* AllocateText(ErrorState& errors, std::uint32_t n) {
  if (n == 0) return nullptr;
  char* text = reinterpret_cast<char*>(SysAllocStringByteLen(nullptr, n));
  if (text == nullptr) errors.RaiseError(error::kOutOfMemory);
  return text;
}

void FreeText(const void* text) {
  if (text != nullptr) SysFreeString(static_cast<BSTR>(const_cast<void*>(text)));
}

DynString DynString::Copy(ErrorState& errors, std::string_view bytes) {
  char* text = AllocateText(errors, static_cast<std::uint32_t>(bytes.size()));
  if (text != nullptr) std::memcpy(text, bytes.data(), bytes.size());
  return Adopt(text);
}

void DynString::reset() {
  FreeText(text_);
  text_ = nullptr;
}

}  // namespace runtime
