// A window asked line by line, for a terminal that cannot show it (TERM=dumb, too small)
// or input that is not a terminal. The questions come from the window's controls:
//
//   a text field, a date, a list to choose from   "<its label> [<what it holds>]: "
//                                                  "Dia de Inicio (dd/mm/aaaa) [07/12/2026]: "
//   a check box                                    "<text> [s/n] (x): "
//   a group of radio buttons                       "<its group box or label> (<a>/<b>/<c>)
//                                                   [<the one checked>]: "
//   the buttons                                    the window's other texts, then
//                                                  "<last line> [s/n] " (the initials of
//                                                  the buttons, the default one in capitals)
//
// An empty answer keeps what the field holds, or takes the default button when there is
// one. A field's
// answer is put in the control at once (WM_SETTEXT, DTM_SETSYSTEMTIME, CB_SELECTSTRING);
// the chosen button is clicked as the user would. An answer that does not fit is asked
// again.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/display/display_driver.h"

namespace platform {

enum class QuestionKind { kText, kDate, kChoice, kCheck, kRadio, kButtons };

struct Question {
  QuestionKind kind = QuestionKind::kText;
  HWND control = nullptr;
  std::string prompt;  // UTF-8, asked on one line
  // kButtons, kRadio: the buttons' ids, texts and initials (empty when two share one);
  // kButtons: the default one's index (-1: none, an empty answer is asked again);
  // kRadio: the checked one's (-1: none).
  std::vector<int> ids;
  std::vector<std::string> texts;
  std::vector<char32_t> initials;
  int default_index = -1;
};

// The window's questions, the buttons' last. `preamble` gets the lines to show before
// them (texts that are not a field's label). `spanish`: the date hint's language.
std::vector<Question> QuestionsFor(HWND window, bool spanish, std::vector<std::string>* preamble);

struct AnswerResult {
  bool accepted = false;            // false: ask again
  std::string complaint;            // why not, for the user
  std::optional<InputEvent> click;  // the button or check box to click
};
// Applies a line (without its line break) to the question's control.
AnswerResult Answer(const Question& question, std::string_view line, bool spanish);

}  // namespace platform
