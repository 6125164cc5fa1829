#include "tests/platform/gdi/golden.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/png_writer.h"

namespace platform::gdi::testing {
namespace {

std::string StoredPath(const std::string& name) {
  return std::string(VESTRALINO_GOLDEN_DIR) + "/" + name + ".png";
}

std::string OutputPath(const std::string& name, const char* suffix) {
  std::filesystem::create_directories(VESTRALINO_GOLDEN_OUT);
  return std::string(VESTRALINO_GOLDEN_OUT) + "/" + name + suffix;
}

bool Updating() {
  const char* value = std::getenv("VESTRALINO_UPDATE_GOLDEN");
  return value != nullptr && std::string(value) == "1";
}

}  // namespace

::testing::AssertionResult MatchesGolden(const PixelSurface& surface, const std::string& name,
                                         int tolerance) {
  if (surface.empty()) return ::testing::AssertionFailure() << name << ": nothing to compare";
  if (Updating()) {
    if (!WritePng(surface, StoredPath(name))) {
      return ::testing::AssertionFailure() << "cannot write " << StoredPath(name);
    }
    return ::testing::AssertionSuccess();
  }
  PngImage golden;
  if (!ReadPng(StoredPath(name), &golden)) {
    WritePng(surface, OutputPath(name, ".actual.png"));
    return ::testing::AssertionFailure()
           << "no golden image " << StoredPath(name)
           << " (run with VESTRALINO_UPDATE_GOLDEN=1 to store one)";
  }
  if (golden.width != surface.width || golden.height != surface.height) {
    WritePng(surface, OutputPath(name, ".actual.png"));
    return ::testing::AssertionFailure() << name << ": size " << surface.width << "x"
                                         << surface.height << ", golden " << golden.width << "x"
                                         << golden.height;
  }
  std::vector<std::uint32_t> diff(static_cast<std::size_t>(surface.width) * surface.height);
  int differing = 0;
  for (int y = 0; y < surface.height; ++y) {
    for (int x = 0; x < surface.width; ++x) {
      const std::uint32_t a = surface.At(x, y);
      const std::uint32_t b = golden.pixels[static_cast<std::size_t>(y) * golden.width + x];
      int worst = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                         static_cast<int>((b >> shift) & 0xFF)));
      }
      const bool bad = worst > tolerance;
      differing += bad;
      // Differences in red over a faded copy of the golden image.
      const std::uint32_t faded = ((b & 0xFEFEFE) >> 1) + 0x7F7F7F;
      diff[static_cast<std::size_t>(y) * surface.width + x] = bad ? 0xFF0000 : faded & 0xFFFFFF;
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  WritePng(surface, OutputPath(name, ".actual.png"));
  WritePng({diff.data(), surface.width, surface.width, surface.height},
           OutputPath(name, ".diff.png"));
  return ::testing::AssertionFailure() << name << ": " << differing
                                       << " pixels differ; see " << OutputPath(name, ".diff.png");
}

::testing::AssertionResult MatchesGolden(HDC dc, const std::string& name, int tolerance) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) return ::testing::AssertionFailure() << name << ": dead DC";
  return MatchesGolden(context->Surface(), name, tolerance);
}

}  // namespace platform::gdi::testing
