#include "app/daily_question.h"

#include "app/program_state.h"
#include "runtime/frame/message_box.h"
#include "runtime/frame/routine_frame.h"
#include "runtime/text/number_text.h"
#include "runtime/text/static_text.h"
#include "runtime/text/string_functions.h"

namespace app {

namespace {
constexpr runtime::StaticText kStartedOn{"Comence el dia "};
constexpr runtime::StaticText kLineEnd{"\r\n"};
constexpr runtime::StaticText kDaysSoFar{"Llevo "};
constexpr runtime::StaticText kDaysUnit{" dias sin pecar"};
constexpr runtime::StaticText kQuestion{"Has pecado hoy ?"};
constexpr runtime::StaticText kBlank{" "};
constexpr runtime::StaticText kCaption{"Varovozodoz"};
}  // namespace

bool AskDailyQuestion(const ProgramState& program) {
  runtime::RoutineFrame frame;
  auto& s = frame.strings;
  s.PushBorrowed(kStartedOn);
  s.PushBorrowed(program.start_text);
  s.ConcatTop();
  s.PushBorrowed(kLineEnd);
  s.ConcatTop();
  s.PushBorrowed(kDaysSoFar);
  s.ConcatTop();
  // The count's digits alone: its text without the sign blank.
  runtime::NumberToText(s, program.day_count, 15, true);
  s.PushBorrowed(kBlank);
  runtime::RemoveAll(s);
  s.ConcatTop();
  s.PushBorrowed(kDaysUnit);
  s.ConcatTop();
  s.PushBorrowed(kLineEnd);
  s.ConcatTop();
  s.PushBorrowed(kQuestion);
  s.ConcatTop();
  s.SlotToWide(0);
  s.PushBorrowed(kCaption);
  s.SlotToWide(0);
  return runtime::ShowMessageBox(frame, MB_YESNO) == IDYES;
}

}  // namespace app
