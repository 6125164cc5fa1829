#include "app/program_state.h"

namespace app {

ProgramState& Program() {
  static ProgramState state;
  return state;
}

void ClearProgramState() { Program() = ProgramState{}; }

void ReleaseProgramState() {
  ProgramState& p = Program();
  p.today_text.reset();
  p.start_text.reset();
  p.day_part.reset();
  p.month_part.reset();
  p.year_part.reset();
}

}  // namespace app
