// The headless display's top-level windows: their pixels, the active one, and the script
// turned into input events (see headless_driver.h).
#include <algorithm>
#include <cstdio>

#include "platform/display/headless_driver.h"
#include "platform/display/transcript.h"
#include "platform/gdi/png_writer.h"
#include "platform/kernel/text_codecs.h"

namespace platform {
namespace {

// The window system never paints more than this of a side (see window_geometry.h).
constexpr LONG kMostSide = 4096;

void Resize(HeadlessDriver::Shown& shown) {
  std::int32_t w = std::clamp<LONG>(shown.info.rect.right - shown.info.rect.left, 0, kMostSide);
  std::int32_t h = std::clamp<LONG>(shown.info.rect.bottom - shown.info.rect.top, 0, kMostSide);
  if (w == shown.width && h == shown.height) return;
  shown.width = w;
  shown.height = h;
  shown.pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
}

std::u32string Characters(const std::string& utf8) {
  std::u16string wide(utf8.size(), u'\0');
  auto converted = Utf8ToUtf16(utf8.data(), utf8.size(), wide.data(), wide.size(), false);
  wide.resize(converted.length);
  std::u32string out;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t c = wide[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
    }
    out += c;
  }
  return out;
}

}  // namespace

const HeadlessDriver::Shown* HeadlessDriver::Find(HWND window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

void HeadlessDriver::WindowShown(const TopLevelWindowInfo& info) {
  Shown& shown = windows_[info.window];
  shown.info = info;
  Resize(shown);
}

void HeadlessDriver::WindowChanged(const TopLevelWindowInfo& info) {
  auto found = windows_.find(info.window);
  if (found == windows_.end()) return;
  found->second.info = info;
  Resize(found->second);
}

void HeadlessDriver::WindowPainted(HWND window, const RECT& damaged,
                                   const gdi::PixelSurface& pixels) {
  auto found = windows_.find(window);
  if (found == windows_.end() || pixels.empty()) return;
  Shown& shown = found->second;
  LONG right = std::min<LONG>({damaged.right, shown.width, pixels.width});
  LONG bottom = std::min<LONG>({damaged.bottom, shown.height, pixels.height});
  LONG left = std::max<LONG>(damaged.left, 0);
  for (LONG y = std::max<LONG>(damaged.top, 0); y < bottom; ++y) {
    if (left >= right) break;
    const std::uint32_t* from = pixels.Row(y) + left;
    std::copy(from, from + (right - left),
              shown.pixels.begin() + static_cast<std::ptrdiff_t>(y) * shown.width + left);
  }
}

void HeadlessDriver::WindowActivated(HWND window) { active_ = window; }

void HeadlessDriver::WindowHidden(HWND window) {
  windows_.erase(window);
  if (active_ == window) active_ = nullptr;
}

// The active window as the screen shows it: with the pop-ups it owns (a drop-down list or
// calendar) drawn over it where they lie, on the desktop colour where they reach past it.
void HeadlessDriver::Capture(const ScriptAction& action) {
  const Shown* shown = Find(active_);
  bool written = false;
  if (shown != nullptr && shown->width > 0 && shown->height > 0) {
    std::vector<const Shown*> layers{shown};
    RECT bounds = shown->info.rect;
    for (const auto& [handle, window] : windows_) {
      if (window.info.owner != active_ || window.width <= 0 || window.height <= 0) continue;
      layers.push_back(&window);
      bounds.left = std::min(bounds.left, window.info.rect.left);
      bounds.top = std::min(bounds.top, window.info.rect.top);
      bounds.right = std::max(bounds.right, window.info.rect.right);
      bounds.bottom = std::max(bounds.bottom, window.info.rect.bottom);
    }
    const std::int32_t width = bounds.right - bounds.left;
    const std::int32_t height = bounds.bottom - bounds.top;
    constexpr std::uint32_t kDesktop = 0x3A6EA5;  // the classic desktop blue
    std::vector<std::uint32_t> picture(static_cast<std::size_t>(width) * height, kDesktop);
    for (const Shown* layer : layers) {
      const std::int32_t dx = layer->info.rect.left - bounds.left;
      const std::int32_t dy = layer->info.rect.top - bounds.top;
      for (std::int32_t y = 0; y < layer->height && dy + y < height; ++y) {
        for (std::int32_t x = 0; x < layer->width && dx + x < width; ++x) {
          picture[static_cast<std::size_t>(dy + y) * width + dx + x] =
              layer->pixels[static_cast<std::size_t>(y) * layer->width + x];
        }
      }
    }
    gdi::PixelSurface surface;
    surface.origin = picture.data();
    surface.stride = width;
    surface.width = width;
    surface.height = height;
    written = gdi::WritePng(surface, action.text);
    if (!written) {
      std::fprintf(stderr, "vestralino: script line %d: cannot write %s\n", action.line,
                   action.text.c_str());
    }
  }
  transcript_.Write(JsonObject()
                        .Add("event", "capture")
                        .Add("file", action.text)
                        .Add("window", shown == nullptr            ? ""
                                       : shown->info.message_box ? "messagebox"
                                                                 : shown->info.class_name)
                        .Add("caption", shown != nullptr ? shown->info.title : "")
                        .AddFlag("written", written));
}

void HeadlessDriver::QueueKey(UINT virtual_key, bool down, char32_t character) {
  InputEvent event;
  event.kind = down ? InputKind::kKeyDown : InputKind::kKeyUp;
  event.virtual_key = virtual_key;
  event.scan_code = KeyboardLayout::ScanCode(virtual_key);
  event.character = character;
  pending_.push_back(event);
}

void HeadlessDriver::QueueCharacter(char32_t character) {
  if (auto stroke = Layout().KeyFor(character)) {
    if (stroke->shift) QueueKey(VK_SHIFT, true);
    QueueKey(stroke->virtual_key, true, character);
    QueueKey(stroke->virtual_key, false, character);
    if (stroke->shift) QueueKey(VK_SHIFT, false);
    return;
  }
  // No key types it: the character arrives alone (VK_PACKET), as from an input method.
  QueueKey(0, true, character);
  QueueKey(0, false, character);
}

void HeadlessDriver::QueueKeys(const ScriptAction& action) {
  if (action.verb == ScriptVerb::kType) {
    for (char32_t c : Characters(action.text)) QueueCharacter(c);
    return;
  }
  auto press = [&](UINT vk) {
    QueueKey(vk, true);
    QueueKey(vk, false);
  };
  switch (action.key.name) {
    case KeyName::kTab:
      press(VK_TAB);
      break;
    case KeyName::kEnter:
      press(VK_RETURN);
      break;
    case KeyName::kEscape:
      press(VK_ESCAPE);
      break;
    case KeyName::kLeft:
      press(VK_LEFT);
      break;
    case KeyName::kRight:
      press(VK_RIGHT);
      break;
    case KeyName::kUp:
      press(VK_UP);
      break;
    case KeyName::kDown:
      press(VK_DOWN);
      break;
    case KeyName::kSpace:
      press(VK_SPACE);
      break;
    case KeyName::kAltF4:
      QueueKey(VK_MENU, true);
      press(VK_F4);
      QueueKey(VK_MENU, false);
      break;
    case KeyName::kCharacter:
      QueueCharacter(action.key.character);
      break;
    case KeyName::kShiftTab:
      QueueKey(VK_SHIFT, true);
      press(VK_TAB);
      QueueKey(VK_SHIFT, false);
      break;
    case KeyName::kF4:
      press(VK_F4);
      break;
    case KeyName::kAltDown:
      QueueKey(VK_MENU, true);
      press(VK_DOWN);
      QueueKey(VK_MENU, false);
      break;
    case KeyName::kHome:
      press(VK_HOME);
      break;
    case KeyName::kEnd:
      press(VK_END);
      break;
    case KeyName::kPageUp:
      press(VK_PRIOR);
      break;
    case KeyName::kPageDown:
      press(VK_NEXT);
      break;
    case KeyName::kBackspace:
      press(VK_BACK);
      break;
    case KeyName::kDelete:
      press(VK_DELETE);
      break;
  }
}

void HeadlessDriver::WaitForInput(DWORD timeout_ms) {
  const auto now = std::chrono::steady_clock::now();
  if (pending_.empty() && now < wait_until_) {
    // A `wait` action: nothing comes before it ends.
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(wait_until_ - now);
    DisplayDriver::WaitForInput(static_cast<DWORD>(
        std::min<long long>(left.count() + 1, static_cast<long long>(timeout_ms))));
    return;
  }
  if (!pending_.empty() || !script_.used_up()) return;
  DisplayDriver::WaitForInput(timeout_ms);
}

bool HeadlessDriver::PollInput(InputEvent* event) {
  while (pending_.empty()) {
    if (std::chrono::steady_clock::now() < wait_until_) return false;
    const ScriptAction* action = script_.Next();
    if (action == nullptr) {
      *event = InputEvent{};
      event->kind = InputKind::kScriptEnded;
      return true;
    }
    switch (action->verb) {
      case ScriptVerb::kCapture:
        Capture(*action);
        continue;  // not input: on to the next action
      case ScriptVerb::kPress: {
        InputEvent press;
        press.kind = InputKind::kPressText;
        press.text = action->text;
        pending_.push_back(press);
        break;
      }
      case ScriptVerb::kClick:
      case ScriptVerb::kAnswer: {
        InputEvent click;
        click.kind = InputKind::kClickId;
        click.id = action->number;
        pending_.push_back(click);
        break;
      }
      case ScriptVerb::kType:
        if (const Shown* shown = Find(active_); shown != nullptr && shown->info.message_box) {
          break;  // its letters would be taken for mnemonics
        }
        QueueKeys(*action);
        break;
      case ScriptVerb::kKey:
        QueueKeys(*action);
        break;
      case ScriptVerb::kWait:
        wait_until_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(action->number);
        continue;
      case ScriptVerb::kClose: {
        InputEvent close;
        close.kind = InputKind::kCloseRequest;
        close.window = active_;
        pending_.push_back(close);
        break;
      }
    }
  }
  *event = pending_.front();
  pending_.pop_front();
  return true;
}

}  // namespace platform
