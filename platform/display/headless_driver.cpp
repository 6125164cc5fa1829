#include "platform/display/headless_driver.h"

#include <cstdio>

#include "platform/display/message_box_model.h"
#include "platform/display/transcript.h"

namespace platform {
namespace {

void Report(const ScriptAction& action, const char* why) {
  std::fprintf(stderr, "vestralino: script line %d: %s (skipped)\n", action.line, why);
}

// The answer an action gives the box, 0 when the box keeps waiting.
int Apply(const ScriptAction& action, MessageBoxModel& box) {
  switch (action.verb) {
    case ScriptVerb::kPress: {
      int index = box.FindButtonByText(action.text);
      if (index < 0) {
        Report(action, "the message box has no button with that text");
        return 0;
      }
      return box.buttons()[index].id;
    }
    case ScriptVerb::kClick:
    case ScriptVerb::kAnswer:
      if (box.FindButtonById(action.number) < 0) {
        Report(action, "the message box has no such button");
        return 0;
      }
      return action.number;
    case ScriptVerb::kKey:
      return box.OnKey(action.key);
    case ScriptVerb::kClose:
      return box.OnCloseRequest();
    case ScriptVerb::kType:  // a message box has nothing to type into
    case ScriptVerb::kCapture:
    case ScriptVerb::kWait:
      return 0;
  }
  return 0;
}

}  // namespace

int HeadlessDriver::RunMessageBox(const MessageBoxRequest& request) {
  MessageBoxModel box(request.style);
  if (!box.valid()) return 0;
  while (const ScriptAction* action = script_.Next()) {
    if (action->verb == ScriptVerb::kCapture) {
      // Nothing is drawn without the graphics layer yet: the request is only recorded.
      transcript_.Write(JsonObject()
                            .Add("event", "capture")
                            .Add("file", action->text)
                            .Add("window", "messagebox")
                            .Add("caption", request.caption)
                            .AddFlag("written", false));
      continue;
    }
    if (int answer = Apply(*action, box); answer != 0) return answer;
  }
  return 0;
}

}  // namespace platform
