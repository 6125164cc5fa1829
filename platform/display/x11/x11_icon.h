// The window icon for the window manager (_NET_WM_ICON) (platform-internal).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/user/icon_object.h"

namespace platform::x11 {

// The sizes window managers ask for most: task bars, switchers, title bars.
constexpr int kNetWmIconSizes[] = {16, 32, 48};

// _NET_WM_ICON's data: for each size, its width and height, then its pixels as ARGB
// (straight alpha) rows top-down, resampled from `source`.
std::vector<std::uint32_t> NetWmIconData(const Icon& source, std::span<const int> sizes);

// The program's own icon (resource 200 of the executable) at its largest, else a copy of
// `fallback` (the window's icon); null when there is neither.
std::unique_ptr<Icon> ProgramIcon(HICON fallback);

}  // namespace platform::x11
