// The automation script of the headless display: actions, one per line, taken in order
// whenever the program waits for input.
//
//   press TEXT         the button (or control) with that text in the active window
//   click ID           the button (or control) with that id
//   key NAME           Tab, Enter, Escape, Left, Right, Up, Down, Space, Alt+F4 (names
//                      ignore case) or one character
//   type TEXT          text typed into the focused control
//   answer WORD        yes, no, ok or cancel (a message box's button)
//   close              the window manager's close request
//   capture FILE.png   a picture of the active window
//
// Lines whose first non-blank character is # are comments; blank lines are ignored. A
// line that is not one of the above is reported and left out; the rest of the script
// still runs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/display/message_box_model.h"

namespace platform {

enum class ScriptVerb { kPress, kClick, kKey, kType, kAnswer, kClose, kCapture, kWait };

struct ScriptAction {
  ScriptVerb verb = ScriptVerb::kClose;
  std::string text;  // press, type: the text; capture: the file
  int number = 0;    // click: the id; answer: IDYES, IDNO, IDOK or IDCANCEL; wait: ms
  BoxKey key;        // key
  int line = 0;      // where it came from, for reports
};

struct ParsedScript {
  std::vector<ScriptAction> actions;
  std::vector<std::string> problems;  // one readable line per rejected script line
};

ParsedScript ParseScript(std::string_view source);

// A key name as scripts write it; nothing for an unknown name.
std::optional<BoxKey> ParseKeyName(std::string_view name);

// The actions of one process, handed out one at a time.
class Script {
 public:
  Script() = default;
  explicit Script(std::vector<ScriptAction> actions) : actions_(std::move(actions)) {}

  // Reads and parses FILE; problems (including an unreadable file) go to stderr.
  static Script Load(const std::string& path);

  // The next action, or null when the script is used up.
  const ScriptAction* Next();
  bool used_up() const { return next_ >= actions_.size(); }

 private:
  std::vector<ScriptAction> actions_;
  std::size_t next_ = 0;
};

}  // namespace platform
