#include "platform/display/display_warm_up.h"

#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <mutex>
#include <string_view>

#include "platform/display/x11/x11_connection.h"
#include "platform/gdi/realized_font.h"

namespace platform {
namespace {

struct WarmUp {
  std::mutex lock;
  bool display_made = false;
  WarmedUpConnection found;
};

WarmUp& TheWarmUp() {
  static WarmUp* const warm_up = new WarmUp;  // may be used while statics are destroyed
  return *warm_up;
}

bool DisplayMayBeX() {
  const char* requested = std::getenv("VESTRALINO_DISPLAY");
  const std::string_view wanted = requested == nullptr ? "" : requested;
  const char* display = std::getenv("DISPLAY");
  return (wanted.empty() || wanted == "x11") && display != nullptr && *display != '\0';
}

std::int64_t MonotonicNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

constexpr char32_t kSpanishLetters[] = U"áéíóúñÁÉÍÓÚÑ¿¡ü";

// The font of message boxes and classic dialogs, 8 points at the display's resolution, with
// its bold (the caption's): their faces loaded, their sizes set (the hinting program run
// once) and, while the pause lasts, the glyphs of everyday text drawn into the shared
// cache: the same glyphs the program draws later, only sooner.
void PrepareDialogText(int dpi, std::int64_t deadline_ns) {
  for (LONG weight : {FW_BOLD, FW_NORMAL}) {
    LOGFONTW logfont{};
    logfont.lfHeight = -MulDiv(8, dpi, 72);
    logfont.lfWeight = weight;
    logfont.lfCharSet = DEFAULT_CHARSET;
    const char16_t face[] = u"MS Sans Serif";
    std::copy(std::begin(face), std::end(face), logfont.lfFaceName);
    const gdi::RealizedFont font(logfont);
    if (weight == FW_BOLD) continue;
    for (char32_t c = U' '; c <= U'~' && MonotonicNow() < deadline_ns; ++c) font.GlyphOf(c);
    for (char32_t c : std::u32string_view(kSpanishLetters)) {
      if (MonotonicNow() < deadline_ns) font.GlyphOf(c);
    }
  }
}

}  // namespace

void WarmUpDisplay(std::int64_t deadline_ns) {
  if (!DisplayMayBeX()) return;
  WarmUp& warm_up = TheWarmUp();
  {
    std::lock_guard hold(warm_up.lock);
    if (warm_up.display_made || warm_up.found.tried) return;
  }
  std::unique_ptr<x11::X11Connection> connection = x11::X11Connection::Open();
  const int dpi = connection != nullptr ? connection->facts().dpi : 0;
  {
    std::lock_guard hold(warm_up.lock);
    // A display made meanwhile on another thread has its own connection.
    if (warm_up.display_made) return;
    warm_up.found.tried = true;
    warm_up.found.connection = std::move(connection);
  }
  if (dpi > 0) PrepareDialogText(dpi, deadline_ns);
}

WarmedUpConnection TakeWarmedUpConnection() {
  WarmUp& warm_up = TheWarmUp();
  std::lock_guard hold(warm_up.lock);
  warm_up.display_made = true;
  WarmedUpConnection taken = std::move(warm_up.found);
  warm_up.found = WarmedUpConnection{};
  return taken;
}

}  // namespace platform
