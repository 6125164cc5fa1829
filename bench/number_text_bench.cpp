// Number text against the C library on the same values: NumberToText with 15 digits
// against snprintf("%.15Lg"), and the number reader against strtold.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "runtime/frame/routine_frame.h"
#include "runtime/text/number_format.h"
#include "runtime/text/number_parse.h"
#include "runtime/text/number_text.h"

namespace {

// Day counts, money-like amounts, fractions, large and small magnitudes, both signs.
const std::vector<long double>& Values() {
  static const std::vector<long double> values = [] {
    std::vector<long double> v;
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 256; ++i) v.push_back(static_cast<long double>(random() % 20000));
    for (int i = 0; i < 256; ++i) v.push_back(static_cast<long double>(random() % 1000000) / 100);
    for (int i = 0; i < 256; ++i) v.push_back(1.0L / static_cast<long double>(3 + random() % 97));
    for (int i = 0; i < 256; ++i) {
      long double magnitude = std::pow(10.0L, static_cast<long double>(unit(random) * 40 - 20));
      v.push_back(random() % 2 ? magnitude : -magnitude);
    }
    return v;
  }();
  return values;
}

std::vector<std::string> ReferenceTexts() {
  std::vector<std::string> texts;
  for (long double value : Values()) {
    char text[64];
    int n = std::snprintf(text, sizeof text, "%.15Lg", value);
    texts.emplace_back(text, static_cast<std::size_t>(n));
  }
  return texts;
}

void BM_FormatNumberText15(benchmark::State& state) {
  char text[runtime::kNumberTextCapacity];
  for (auto _ : state) {
    for (long double value : Values()) {
      benchmark::DoNotOptimize(runtime::FormatNumberText(value, 15, true, text));
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}
BENCHMARK(BM_FormatNumberText15);

// The run-time entry point: the text allocated as a string on the work stack and freed.
void BM_NumberToText15OnWorkStack(benchmark::State& state) {
  runtime::RoutineFrame frame;
  for (auto _ : state) {
    for (long double value : Values()) {
      runtime::NumberToText15(frame.strings, value);
      benchmark::DoNotOptimize(frame.strings.Text(0));
      frame.strings.PopDiscard();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}
BENCHMARK(BM_NumberToText15OnWorkStack);

void BM_Reference_Snprintf15Lg(benchmark::State& state) {
  char text[64];
  for (auto _ : state) {
    for (long double value : Values()) {
      benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.15Lg", value));
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}
BENCHMARK(BM_Reference_Snprintf15Lg);

void BM_ParseNumber(benchmark::State& state) {
  const std::vector<std::string> texts = ReferenceTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      benchmark::DoNotOptimize(runtime::ParseNumber(text.data(), text.size()).value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_ParseNumber);

void BM_Reference_Strtold(benchmark::State& state) {
  const std::vector<std::string> texts = ReferenceTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      benchmark::DoNotOptimize(std::strtold(text.c_str(), nullptr));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_Reference_Strtold);

}  // namespace

BENCHMARK_MAIN();
