#include "platform/display/x11/x11_icon.h"

#include <sys/resource.h>
#include <unistd.h>

#include "platform/user/icon_image.h"

namespace platform::x11 {
namespace {

constexpr WORD kProgramIconId = 200;
constexpr int kLargestIcon = 128;  // the size the program's icon is drawn at

}  // namespace

std::vector<std::uint32_t> NetWmIconData(const Icon& source, std::span<const int> sizes) {
  std::vector<std::uint32_t> data;
  if (source.width <= 0 || source.height <= 0) return data;
  for (int side : sizes) {
    if (side <= 0) continue;
    std::unique_ptr<Icon> resized = ResizedIcon(source, side, side);
    if (resized == nullptr) continue;
    data.push_back(static_cast<std::uint32_t>(side));
    data.push_back(static_cast<std::uint32_t>(side));
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        std::uint32_t rgb = resized->argb[static_cast<std::size_t>(y) * side + x] & 0xFFFFFF;
        data.push_back(resized->Alpha(x, y) << 24 | rgb);
      }
    }
  }
  return data;
}

std::vector<std::uint32_t> ProgramIconData(HICON fallback, std::span<const int> sizes) {
  HANDLE loaded = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId),
                             IMAGE_ICON, kLargestIcon, kLargestIcon, 0);
  HICON handle = static_cast<HICON>(loaded);
  std::vector<std::uint32_t> data;
  if (const Icon* icon = FindIcon(handle != nullptr ? handle : fallback)) {
    data = NetWmIconData(*icon, sizes);
  }
  if (handle != nullptr) DestroyIcon(handle);
  return data;
}

BackgroundIcon::~BackgroundIcon() {
  if (worker_.joinable()) worker_.join();
}

void BackgroundIcon::Start(HICON fallback) {
  if (worker_.joinable()) return;
  worker_ = std::thread([this, fallback] {
    // Linux gives each thread its own nice value: the program's own thread stays first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
    data_ = ProgramIconData(fallback, kNetWmIconSizes);
    ready_.store(true, std::memory_order_release);
  });
}

}  // namespace platform::x11
