// Message round trips: SendMessageW to a window and PostMessageW + PeekMessageW +
// DispatchMessageW, beside a plain std::function call and a std::deque push/pop, which
// are the least each could cost.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <deque>
#include <functional>

#include "platform/win32.h"

namespace {

LRESULT Counter(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_USER) return static_cast<LRESULT>(wparam + 1);
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND BenchWindow() {
  static HWND window = [] {
    setenv("VESTRALINO_DISPLAY", "headless", 1);
    WNDCLASSW wc{};
    wc.lpfnWndProc = Counter;
    wc.lpszClassName = u"BenchWindow";
    RegisterClassW(&wc);
    return CreateWindowExW(0, u"BenchWindow", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           nullptr, nullptr);
  }();
  return window;
}

void SentMessage(benchmark::State& state) {
  HWND window = BenchWindow();
  WPARAM n = 0;
  for (auto _ : state) {
    n = static_cast<WPARAM>(SendMessageW(window, WM_USER, n, 0));
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations());
}

void PostedMessage(benchmark::State& state) {
  HWND window = BenchWindow();
  MSG msg;
  for (auto _ : state) {
    PostMessageW(window, WM_USER, 1, 0);
    PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
    benchmark::DoNotOptimize(DispatchMessageW(&msg));
  }
  state.SetItemsProcessed(state.iterations());
}

void FunctionCallReference(benchmark::State& state) {
  std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> call = Counter;
  benchmark::DoNotOptimize(call);
  WPARAM n = 0;
  for (auto _ : state) {
    n = static_cast<WPARAM>(call(nullptr, WM_USER, n, 0));
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations());
}

void DequeReference(benchmark::State& state) {
  std::deque<MSG> queue;
  for (auto _ : state) {
    queue.push_back(MSG{nullptr, WM_USER, 1, 0, 0, {}});
    MSG msg = queue.front();
    queue.pop_front();
    benchmark::DoNotOptimize(msg);
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(SentMessage);
BENCHMARK(FunctionCallReference);
BENCHMARK(PostedMessage);
BENCHMARK(DequeReference);

}  // namespace

BENCHMARK_MAIN();
