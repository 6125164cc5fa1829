// FillRect and BitBlt over a 1920 x 1080 32-bpp DIB section, each beside the C library
// doing the same bytes' work (memset, memcpy).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/win32.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::size_t kBytes = std::size_t{kWidth} * kHeight * 4;

struct Screen {
  Screen() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc = CreateCompatibleDC(nullptr);
    old = SelectObject(dc, bitmap);
  }
  ~Screen() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  HBITMAP bitmap;
  void* bits = nullptr;
  HDC dc;
  HGDIOBJ old;
};

void BM_FillRect(benchmark::State& state) {
  Screen screen;
  HBRUSH brush = CreateSolidBrush(RGB(212, 208, 200));
  RECT all{0, 0, kWidth, kHeight};
  for (auto _ : state) {
    FillRect(screen.dc, &all, brush);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
  DeleteObject(brush);
}
BENCHMARK(BM_FillRect);

void BM_Memset(benchmark::State& state) {
  std::vector<std::uint8_t> bytes(kBytes);
  for (auto _ : state) {
    std::memset(bytes.data(), 0xD4, kBytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}
BENCHMARK(BM_Memset);

void BM_BitBltSrcCopy(benchmark::State& state) {
  Screen source, target;
  for (auto _ : state) {
    BitBlt(target.dc, 0, 0, kWidth, kHeight, source.dc, 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}
BENCHMARK(BM_BitBltSrcCopy);

void BM_Memcpy(benchmark::State& state) {
  std::vector<std::uint8_t> from(kBytes, 1), to(kBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kBytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}
BENCHMARK(BM_Memcpy);

}  // namespace

BENCHMARK_MAIN();
