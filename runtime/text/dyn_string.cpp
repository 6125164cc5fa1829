#include "runtime/text/dyn_string.h"

#include <cstring>

#include "platform/win32.h"
#include "runtime/frame/error_state.h"

namespace runtime {

void RaiseOutOfMemory(ErrorState& errors) {
  errors.RaiseError(error::kOutOfMemory);
}

DynString DynString::Copy(ErrorState& errors, std::string_view bytes) {
  char* text = AllocateText(errors, static_cast<std::uint32_t>(bytes.size()));
  if (text != nullptr) CopyTextBytes(text, bytes.data(), bytes.size());
  return Adopt(text);
}

}  // namespace runtime
