#include "platform/display/key_strokes.h"

namespace platform {
namespace {

class Strokes {
 public:
  void Key(UINT virtual_key, bool down, char32_t character = 0) {
    InputEvent event;
    event.kind = down ? InputKind::kKeyDown : InputKind::kKeyUp;
    event.virtual_key = virtual_key;
    event.scan_code = KeyboardLayout::ScanCode(virtual_key);
    event.character = character;
    events_.push_back(event);
  }
  void Press(UINT virtual_key, UINT modifier = 0) {
    if (modifier != 0) Key(modifier, true);
    Key(virtual_key, true);
    Key(virtual_key, false);
    if (modifier != 0) Key(modifier, false);
  }
  void Character(char32_t character, const KeyboardLayout& layout) {
    if (auto stroke = layout.KeyFor(character)) {
      if (stroke->shift) Key(VK_SHIFT, true);
      Key(stroke->virtual_key, true, character);
      Key(stroke->virtual_key, false, character);
      if (stroke->shift) Key(VK_SHIFT, false);
      return;
    }
    Key(0, true, character);
    Key(0, false, character);
  }
  std::vector<InputEvent> Take() { return std::move(events_); }

 private:
  std::vector<InputEvent> events_;
};

UINT VirtualKeyOf(KeyName name) {
  switch (name) {
    case KeyName::kTab:
      return VK_TAB;
    case KeyName::kEnter:
      return VK_RETURN;
    case KeyName::kEscape:
      return VK_ESCAPE;
    case KeyName::kLeft:
      return VK_LEFT;
    case KeyName::kRight:
      return VK_RIGHT;
    case KeyName::kUp:
      return VK_UP;
    case KeyName::kDown:
      return VK_DOWN;
    case KeyName::kSpace:
      return VK_SPACE;
    case KeyName::kF4:
      return VK_F4;
    case KeyName::kHome:
      return VK_HOME;
    case KeyName::kEnd:
      return VK_END;
    case KeyName::kPageUp:
      return VK_PRIOR;
    case KeyName::kPageDown:
      return VK_NEXT;
    case KeyName::kBackspace:
      return VK_BACK;
    case KeyName::kDelete:
      return VK_DELETE;
    default:
      return 0;
  }
}

}  // namespace

std::vector<InputEvent> KeyStrokes(const BoxKey& key, const KeyboardLayout& layout) {
  Strokes strokes;
  switch (key.name) {
    case KeyName::kCharacter:
      if (key.character != 0) strokes.Character(key.character, layout);
      break;
    case KeyName::kShiftTab:
      strokes.Press(VK_TAB, VK_SHIFT);
      break;
    case KeyName::kAltF4:
      strokes.Press(VK_F4, VK_MENU);
      break;
    case KeyName::kAltDown:
      strokes.Press(VK_DOWN, VK_MENU);
      break;
    case KeyName::kSpace:
      // The space bar types its character too, for edit fields.
      strokes.Key(VK_SPACE, true, U' ');
      strokes.Key(VK_SPACE, false, U' ');
      break;
    default:
      strokes.Press(VirtualKeyOf(key.name));
      break;
  }
  return strokes.Take();
}

}  // namespace platform
