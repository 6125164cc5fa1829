#include "platform/display/display_session.h"

#include <cstdlib>
#include <memory>
#include <mutex>

#include "platform/gdi/screen_dc.h"

namespace platform {
namespace {

struct DisplaySession {
  std::mutex lock;
  std::unique_ptr<Transcript> transcript;
  std::unique_ptr<DisplayDriver> driver;
};

DisplaySession& Session() {
  static DisplaySession session;
  return session;
}

Transcript& TranscriptLocked(DisplaySession& session) {
  if (!session.transcript) {
    const char* path = std::getenv("VESTRALINO_TRANSCRIPT");
    session.transcript = path != nullptr && *path != '\0' ? std::make_unique<Transcript>(path)
                                                          : std::make_unique<Transcript>();
  }
  return *session.transcript;
}

// GDI's screen (GetDeviceCaps, GetDC(NULL)) is the display's: its size and resolution.
void TellGdiAboutTheScreen(const DisplayDriver& driver) {
  SIZE size = driver.ScreenSize();
  gdi::ScreenInfo screen = gdi::GetScreenInfo();
  screen.width = size.cx;
  screen.height = size.cy;
  screen.dpi = driver.Dpi();
  gdi::SetScreenInfo(screen);
}

}  // namespace

Transcript& CurrentTranscript() {
  DisplaySession& session = Session();
  std::lock_guard hold(session.lock);
  return TranscriptLocked(session);
}

DisplayDriver& CurrentDisplay() {
  DisplaySession& session = Session();
  std::lock_guard hold(session.lock);
  if (!session.driver) {
    session.driver = DisplayDriver::Create(TranscriptLocked(session));
    TellGdiAboutTheScreen(*session.driver);
  }
  return *session.driver;
}

void ResetDisplaySession() {
  DisplaySession& session = Session();
  std::lock_guard hold(session.lock);
  session.driver.reset();  // first: it may hold on to the transcript
  session.transcript.reset();
  gdi::SetScreenInfo(gdi::ScreenInfo{});  // as before any display
}

void UseDisplayDriver(std::unique_ptr<DisplayDriver> driver) {
  ResetDisplaySession();
  DisplaySession& session = Session();
  std::lock_guard hold(session.lock);
  session.driver = std::move(driver);
  TellGdiAboutTheScreen(*session.driver);
}

}  // namespace platform
