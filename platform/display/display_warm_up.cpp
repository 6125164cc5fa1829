#include "platform/display/display_warm_up.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <iterator>
#include <mutex>
#include <string_view>
#include <thread>

#include "platform/display/x11/x11_connection.h"
#include "platform/gdi/realized_font.h"
#include "platform/kernel/exit_process.h"

namespace platform {
namespace {

struct WarmUp {
  std::mutex lock;
  std::condition_variable connected;
  std::thread worker;
  bool connecting = false;
  std::atomic<bool> stop{false};
  WarmedUpConnection found;
};

WarmUp& TheWarmUp() {
  static WarmUp* const warm_up = new WarmUp;  // its thread is joined before statics go
  return *warm_up;
}

// The glyphs are drawn into caches that are static objects: the thread ends before the
// process's static destructors run.
void StopWarmUp() {
  WarmUp& warm_up = TheWarmUp();
  warm_up.stop = true;
  if (warm_up.worker.joinable()) warm_up.worker.join();
}

bool DisplayMayBeX() {
  const char* requested = std::getenv("VESTRALINO_DISPLAY");
  const std::string_view wanted = requested == nullptr ? "" : requested;
  const char* display = std::getenv("DISPLAY");
  return (wanted.empty() || wanted == "x11") && display != nullptr && *display != '\0';
}

constexpr char32_t kSpanishLetters[] = U"áéíóúñÁÉÍÓÚÑ¿¡ü";

// The font of message boxes and classic dialogs, 8 points at the display's resolution, with
// its bold (the caption's): their faces loaded, their sizes set (the hinting program run
// once) and the glyphs of everyday text drawn into the shared cache, the same glyphs the
// program draws later, only sooner.
void PrepareDialogText(int dpi) {
  for (LONG weight : {FW_BOLD, FW_NORMAL}) {
    LOGFONTW logfont{};
    logfont.lfHeight = -MulDiv(8, dpi, 72);
    logfont.lfWeight = weight;
    logfont.lfCharSet = DEFAULT_CHARSET;
    const char16_t face[] = u"MS Sans Serif";
    std::copy(std::begin(face), std::end(face), logfont.lfFaceName);
    const gdi::RealizedFont font(logfont);
    if (weight == FW_BOLD) continue;
    for (char32_t c = U' '; c <= U'~' && !TheWarmUp().stop; ++c) font.GlyphOf(c);
    for (char32_t c : std::u32string_view(kSpanishLetters)) {
      if (!TheWarmUp().stop) font.GlyphOf(c);
    }
  }
}

}  // namespace

void BeginDisplayWarmUp() {
  if (!DisplayMayBeX()) return;
  WarmUp& warm_up = TheWarmUp();
  std::lock_guard hold(warm_up.lock);
  if (warm_up.worker.joinable() || warm_up.found.tried) return;
  warm_up.found.tried = true;
  warm_up.connecting = true;
  AtProcessExit(StopWarmUp);
  warm_up.worker = std::thread([&warm_up] {
    std::unique_ptr<x11::X11Connection> connection = x11::X11Connection::Open();
    // The resolution is asked for here, while the connection is still this thread's alone.
    const int dpi = connection != nullptr ? connection->facts().dpi : 0;
    {
      std::lock_guard hold_found(warm_up.lock);
      warm_up.found.connection = std::move(connection);
      warm_up.connecting = false;
    }
    warm_up.connected.notify_all();
    // The display is handed over: the glyphs follow while the program goes on.
    if (dpi > 0) PrepareDialogText(dpi);
  });
}

WarmedUpConnection TakeWarmedUpConnection() {
  WarmUp& warm_up = TheWarmUp();
  std::unique_lock hold(warm_up.lock);
  warm_up.connected.wait(hold, [&warm_up] { return !warm_up.connecting; });
  WarmedUpConnection taken = std::move(warm_up.found);
  // Untried from now on: a later display (after the first is reset) opens its own.
  warm_up.found = WarmedUpConnection{};
  return taken;
}

}  // namespace platform
