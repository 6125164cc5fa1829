// The daily question: one Yes/No box with the start day and the count.
#pragma once

namespace app {

struct ProgramState;

// True when the answer is Yes (the streak is over); any other result, 0 included, is No.
bool AskDailyQuestion(const ProgramState& program);

}  // namespace app
