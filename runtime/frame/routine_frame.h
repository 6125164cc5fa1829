// What every routine of the program runs with besides its own locals: its error state
// and its string work stack, both living for one activation. Services take the caller's
// frame, raise into its error state and evaluate strings on its stack.
#pragma once

#include "runtime/frame/error_state.h"
#include "runtime/text/work_stack.h"

namespace runtime {

struct RoutineFrame {
  RoutineFrame() = default;
  RoutineFrame(const RoutineFrame&) = delete;
  RoutineFrame& operator=(const RoutineFrame&) = delete;

  ErrorState errors;
  StringWorkStack strings{errors};
};

}  // namespace runtime
