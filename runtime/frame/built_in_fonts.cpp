#include "runtime/frame/built_in_fonts.h"

#include "runtime/dialogs/font_table.h"
#include "runtime/frame/process_state.h"

namespace runtime {

void CreateBuiltInFonts() {
  if ((build_option::kOptionWord & build_option::kBuiltInFonts) == 0) return;
  create_built_in_fonts();
}

}  // namespace runtime
