#include "platform/display/display_driver.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

#include "platform/display/headless_driver.h"
#include "platform/display/script.h"
#include "platform/display/tty_driver.h"
#include "platform/display/x11/x11_connection.h"
#include "platform/display/display_warm_up.h"
#include "platform/display/x11/x11_driver.h"

namespace platform {
namespace {

bool InTerminal() {
  return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
}

}  // namespace

// Backends without an input source of their own have nothing to wait on but the time.
void DisplayDriver::WaitForInput(DWORD timeout_ms) {
  constexpr DWORD kLongestNap = 50;
  DWORD nap = timeout_ms < kLongestNap ? timeout_ms : kLongestNap;
  std::this_thread::sleep_for(std::chrono::milliseconds(nap));
}

DisplayKind ChooseDisplayKind(const char* requested, bool x11_usable, bool in_terminal) {
  std::string_view wanted = requested == nullptr ? "" : requested;
  if (wanted == "headless") return DisplayKind::kHeadless;
  if (wanted == "tty") return DisplayKind::kTty;
  if (x11_usable) return DisplayKind::kX11;  // asked for, or the first choice
  return in_terminal ? DisplayKind::kTty : DisplayKind::kHeadless;
}

std::unique_ptr<DisplayDriver> DisplayDriver::Create(Transcript& transcript) {
  const char* requested = std::getenv("VESTRALINO_DISPLAY");
  if (requested != nullptr && *requested != '\0') {
    std::string_view wanted = requested;
    if (wanted != "x11" && wanted != "tty" && wanted != "headless") {
      std::fprintf(stderr, "vestralino: unknown VESTRALINO_DISPLAY \"%s\", choosing one\n",
                   requested);
      requested = nullptr;
    }
  }
  // Only a choice that may fall on x11 tries the display; the connection made to find
  // out is the one the backend keeps.
  std::unique_ptr<x11::X11Connection> connection;
  std::string_view wanted = requested == nullptr ? "" : requested;
  if (wanted != "tty" && wanted != "headless") {
    WarmedUpConnection warmed = TakeWarmedUpConnection();
    connection = warmed.tried ? std::move(warmed.connection) : x11::X11Connection::Open();
  }
  if (wanted == "x11" && connection == nullptr) {
    std::fprintf(stderr, "vestralino: no X display answers (DISPLAY=%s), choosing another\n",
                 std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "");
  }
  switch (ChooseDisplayKind(requested, connection != nullptr, InTerminal())) {
    case DisplayKind::kX11:
      return std::make_unique<x11::X11Driver>(std::move(connection));
    case DisplayKind::kTty:
      return std::make_unique<TtyDriver>();
    case DisplayKind::kHeadless:
      break;
  }
  const char* script = std::getenv("VESTRALINO_SCRIPT");
  return std::make_unique<HeadlessDriver>(
      script != nullptr && *script != '\0' ? Script::Load(script) : Script(), transcript);
}

}  // namespace platform
