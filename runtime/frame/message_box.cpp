#include "runtime/frame/message_box.h"

#include "runtime/frame/float_state.h"
#include "runtime/frame/routine_frame.h"

namespace runtime {

int ShowMessageBox(RoutineFrame& frame, UINT style) {
  StringWorkStack& strings = frame.strings;
  int result;
  {
    // The box runs a message loop of its own; the caller's arithmetic must not notice.
    FloatStateGuard float_state;
    const WCHAR* caption = strings.WideText(0);
    const WCHAR* text = strings.WideText(1);
    if (caption == nullptr) caption = kDefaultMessageBoxCaption;
    if (text == nullptr) text = u"";
    Sleep(5);
    result = MessageBoxW(nullptr, text, caption, style);
  }
  strings.PopDiscard();  // caption
  strings.PopDiscard();  // text
  return result;
}

}  // namespace runtime
