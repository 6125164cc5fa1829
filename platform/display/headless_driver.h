// The display without a screen: every wait for input takes the script's next action.
//
// Message boxes run by RunMessageBox follow the box model: when the script is used up, a
// waiting box ends with 0 (not shown).
//
// Top-level windows: the driver keeps each one's pixels (frame included) as the window
// system paints them, and knows which is active. When the program polls for input with
// nothing else to do, the next action becomes input: `press TEXT` and `click ID` click
// that control of the active window, `key NAME` and `type TEXT` become key presses
// (virtual keys and scan codes of the US layout, characters it cannot type arrive as
// VK_PACKET), `answer WORD` clicks the button of that id, `close` is the window manager's
// close request, and `capture FILE.png` writes the active window's pixels and goes on to
// the next action. A message box has nothing to type into: `type` leaves it alone. A used-up script answers every poll with kScriptEnded.
#pragma once

#include <cstdint>
#include <chrono>
#include <deque>
#include <map>
#include <vector>

#include "platform/display/display_driver.h"
#include "platform/display/script.h"

namespace platform {

class HeadlessDriver : public DisplayDriver {
 public:
  HeadlessDriver(Script script, Transcript& transcript)
      : script_(std::move(script)), transcript_(transcript) {}

  DisplayKind kind() const override { return DisplayKind::kHeadless; }
  int RunMessageBox(const MessageBoxRequest& request) override;

  void WindowShown(const TopLevelWindowInfo& info) override;
  void WindowChanged(const TopLevelWindowInfo& info) override;
  void WindowPainted(HWND window, const RECT& damaged, const gdi::PixelSurface& pixels) override;
  void WindowActivated(HWND window) override;
  void WindowHidden(HWND window) override;
  bool PollInput(InputEvent* event) override;
  // Input is always ready while the script lasts; after it, only time passes.
  void WaitForInput(DWORD timeout_ms) override;
  bool InputEnded() const override {
    return pending_.empty() && script_.used_up() &&
           std::chrono::steady_clock::now() >= wait_until_;
  }

  // What the display shows of a window: its pixels, 0x00RRGGBB rows top-down.
  struct Shown {
    TopLevelWindowInfo info;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;
  };
  const Shown* Find(HWND window) const;

 private:
  void Capture(const ScriptAction& action);
  void QueueKeys(const ScriptAction& action);
  void QueueCharacter(char32_t character);
  void QueueKey(UINT virtual_key, bool down, char32_t character = 0);

  Script script_;
  Transcript& transcript_;
  std::map<HWND, Shown> windows_;
  HWND active_ = nullptr;
  std::deque<InputEvent> pending_;
  // A `wait` action under way: no input until then.
  std::chrono::steady_clock::time_point wait_until_{};
};

}  // namespace platform
