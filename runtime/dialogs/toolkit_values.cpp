#include "runtime/dialogs/toolkit_values.h"

#include "runtime/frame/runtime_lists.h"

namespace runtime {
namespace {

void ResetToolkitValues() { toolkit_values() = ToolkitValues{}; }

}  // namespace

ToolkitValues& toolkit_values() {
  static ToolkitValues* values = [] {
    RegisterRuntimeListReset(&ResetToolkitValues);
    return new ToolkitValues;
  }();
  return *values;
}

}  // namespace runtime
