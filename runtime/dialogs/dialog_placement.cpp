#include "runtime/dialogs/dialog_placement.h"

#include "runtime/dialogs/dialog_template.h"

namespace runtime {

std::int32_t centred_coordinate(LONG low, LONG high, std::int32_t size) {
  const std::uint32_t sum = static_cast<std::uint32_t>(low) + static_cast<std::uint32_t>(high);
  const std::uint32_t extent = static_cast<std::uint32_t>(size);
  if (sum < extent) return 0;
  return static_cast<std::int32_t>((sum - extent) >> 1);
}

std::int32_t clamped_coordinate(DWORD style, std::int32_t v) {
  const bool control_child =
      (style & dialog_style::kChild) != 0 && (style & dialog_style::kControl) != 0;
  return v < 0 && !control_child ? 0 : v;
}

}  // namespace runtime
