// The window icon for the window manager (_NET_WM_ICON) (platform-internal).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "platform/user/icon_object.h"

namespace platform::x11 {

// The sizes window managers ask for most: task bars, switchers, title bars.
constexpr int kNetWmIconSizes[] = {16, 32, 48};

// _NET_WM_ICON's data: for each size, its width and height, then its pixels as ARGB
// (straight alpha) rows top-down, resampled from `source`.
std::vector<std::uint32_t> NetWmIconData(const Icon& source, std::span<const int> sizes);

// NetWmIconData of the program's own icon (resource 200 of the executable) at its largest,
// else of `fallback` (the window's icon); empty when there is neither.
std::vector<std::uint32_t> ProgramIconData(HICON fallback, std::span<const int> sizes);

// _NET_WM_ICON's data for the program's icon, made once on a low-priority thread after
// the first frame (decoding and resampling cost more than the whole first frame).
class BackgroundIcon {
 public:
  BackgroundIcon() = default;
  BackgroundIcon(const BackgroundIcon&) = delete;
  BackgroundIcon& operator=(const BackgroundIcon&) = delete;
  ~BackgroundIcon();

  // Starts the work (once; later calls do nothing).
  void Start(HICON fallback);
  bool started() const { return worker_.joinable(); }
  // Whether the data is made; data() may be read from then on (empty: no icon).
  bool ready() const { return ready_.load(std::memory_order_acquire); }
  const std::vector<std::uint32_t>& data() const { return data_; }

 private:
  std::thread worker_;
  std::atomic<bool> ready_{false};
  std::vector<std::uint32_t> data_;
};

}  // namespace platform::x11
