#include "runtime/graphics/key_wait.h"

#include "runtime/dialogs/modal_loop.h"
#include "runtime/graphics/surface_core.h"
#include "runtime/text/date_text.h"

namespace runtime {
namespace {

constexpr char16_t kSpecialEntry = 0;
constexpr char16_t kRangeEntry = 0xFF;

// One step of the wait with the lock held: batched drawing painted, or the key taken.
enum class Step { kPaint, kTakeKey };

// -1 when the thread has no drawing target any more; otherwise the key taken (0 none).
std::int32_t StepOnSurface(Step step) {
  DrawingScope scope;
  if (!scope) return -1;
  DialogState& surface = *scope.surface();
  if (step == Step::kPaint) {
    if ((surface.flags & REDRAW_BATCHED) != 0 && (surface.flags & REDRAW_PENDING) != 0) {
      refresh_surface(surface);
    }
    return 0;
  }
  const std::int32_t key = surface.last_key;
  surface.last_key = 0;
  return key;
}

bool TimeIsUp(std::int32_t mark) {
  return mark != kNoMark && MillisecondsUntil(mark) == 0;
}

}  // namespace

std::u16string key_text(std::int32_t last_key) {
  const auto character = static_cast<char16_t>(last_key & 0xFFFF);
  if (character != 0) return std::u16string(1, character);
  const auto scan = static_cast<char16_t>((last_key >> 16) & 0xFF);
  if (scan != 0) return std::u16string{kSpecialEntry, scan};
  return {};
}

bool key_allowed(std::u16string_view key, std::u16string_view allowed) {
  if (allowed.empty()) return true;
  const bool special = key.size() == 2 && key[0] == kSpecialEntry;
  std::size_t i = 0;
  while (i < allowed.size()) {
    const char16_t unit = allowed[i];
    if (unit == kSpecialEntry) {
      if (special && i + 1 < allowed.size() && allowed[i + 1] == key[1]) return true;
      i += 2;
    } else if (unit == kRangeEntry) {
      if (!special && i + 2 < allowed.size() && key[0] >= allowed[i + 1] &&
          key[0] <= allowed[i + 2]) {
        return true;
      }
      i += 4;
    } else {
      if (!special && key[0] == unit) return true;
      i += 1;
    }
  }
  return false;
}

std::u16string wait_for_key(std::int32_t timeout_ms, std::u16string_view allowed) {
  const std::int32_t mark = MillisecondMark(timeout_ms);
  while (true) {
    if (StepOnSurface(Step::kPaint) < 0) return {};
    pump_messages_once();
    const std::int32_t key = StepOnSurface(Step::kTakeKey);
    if (key < 0) return {};
    const std::u16string text = key_text(key);
    if (!text.empty()) {
      if (key_allowed(text, allowed)) return text;
      MessageBeep(0);
    }
    if (TimeIsUp(mark)) return {};
  }
}

}  // namespace runtime
