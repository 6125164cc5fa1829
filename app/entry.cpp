// The executable's entry point: the run-time frame around the day counter.
#include "app/app_main.h"
#include "app/program_state.h"
#include "runtime/frame/process_entry.h"

extern "C" void ProgramEntry() {
  static const runtime::ProgramImage program{&app::AppMain, &app::ClearProgramState,
                                             &app::ReleaseProgramState};
  runtime::ProcessEntry(program);
}
