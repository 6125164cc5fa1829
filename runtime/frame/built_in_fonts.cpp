#include "runtime/frame/built_in_fonts.h"

#include "runtime/frame/process_state.h"

namespace runtime {

void CreateBuiltInFonts() {
  if ((build_option::kOptionWord & build_option::kBuiltInFonts) == 0) return;
  // The font table does not exist yet: nothing to fill.
}

}  // namespace runtime
