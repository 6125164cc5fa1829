// Counted strings on the work stack against std::string doing the same work, each pair
// measured in the same run: the daily question's text built from its pieces, a loop of
// joins onto a variable, and removing blanks from a number's text and from 4 KB of prose.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>

#include "runtime/frame/routine_frame.h"
#include "runtime/text/static_text.h"
#include "runtime/text/string_functions.h"

namespace {

using runtime::DynString;
using runtime::RoutineFrame;
using runtime::StaticText;

constexpr StaticText kComence("Comence el dia ");
constexpr StaticText kNewLine("\r\n");
constexpr StaticText kLlevo("Llevo ");
constexpr StaticText kDias(" dias sin pecar");
constexpr StaticText kQuestion("Has pecado hoy ?");
constexpr StaticText kBlank(" ");
constexpr StaticText kPiece("0123456789");

// The message of the daily question: "Comence el dia " + start + CR LF + "Llevo " +
// count without blanks + " dias sin pecar" + CR LF + "Has pecado hoy ?".
void BM_DailyQuestion_WorkStack(benchmark::State& state) {
  RoutineFrame frame;
  DynString start = DynString::Copy(frame.errors, "01/12/2026");
  DynString count = DynString::Copy(frame.errors, " 4");
  DynString message;
  auto& s = frame.strings;
  for (auto _ : state) {
    s.PushBorrowed(kComence);
    s.PushBorrowed(start);
    s.ConcatTop();
    s.PushBorrowed(kNewLine);
    s.ConcatTop();
    s.PushBorrowed(kLlevo);
    s.ConcatTop();
    s.PushBorrowed(count);
    s.PushBorrowed(kBlank);
    runtime::RemoveAll(s);
    s.ConcatTop();
    s.PushBorrowed(kDias);
    s.ConcatTop();
    s.PushBorrowed(kNewLine);
    s.ConcatTop();
    s.PushBorrowed(kQuestion);
    s.ConcatTop();
    s.PopAssign(message);
    benchmark::DoNotOptimize(message.data());
  }
}
BENCHMARK(BM_DailyQuestion_WorkStack);

void BM_DailyQuestion_StdString(benchmark::State& state) {
  const std::string start = "01/12/2026";
  const std::string count = " 4";
  std::string message;
  for (auto _ : state) {
    std::string digits = count;
    std::erase(digits, ' ');
    message = "Comence el dia " + start + "\r\n" + "Llevo " + digits + " dias sin pecar" + "\r\n" +
              "Has pecado hoy ?";
    benchmark::DoNotOptimize(message.data());
  }
}
BENCHMARK(BM_DailyQuestion_StdString);

// text = text + piece, state.range(0) times, starting from the empty text.
void BM_JoinLoop_WorkStack(benchmark::State& state) {
  RoutineFrame frame;
  auto& s = frame.strings;
  for (auto _ : state) {
    DynString text;
    for (int64_t i = 0; i < state.range(0); ++i) {
      s.PushBorrowed(text);
      s.PushBorrowed(kPiece);
      s.ConcatTop();
      s.PopAssign(text);
    }
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_JoinLoop_WorkStack)->Arg(8)->Arg(64);

// The same expression with std::string: each join makes a new string.
void BM_JoinLoop_StdString(benchmark::State& state) {
  const std::string piece = "0123456789";
  for (auto _ : state) {
    std::string text;
    for (int64_t i = 0; i < state.range(0); ++i) text = text + piece;
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_JoinLoop_StdString)->Arg(8)->Arg(64);

// What std::string does best (growing one buffer in place), for scale.
void BM_JoinLoop_StdStringAppend(benchmark::State& state) {
  const std::string piece = "0123456789";
  for (auto _ : state) {
    std::string text;
    for (int64_t i = 0; i < state.range(0); ++i) text += piece;
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_JoinLoop_StdStringAppend)->Arg(8)->Arg(64);

// Prose-like text: words of 1 to 9 letters with one blank between them.
std::string Prose(std::size_t size) {
  std::mt19937 random(4096);
  std::string text;
  while (text.size() < size) {
    text.append(1 + random() % 9, static_cast<char>('a' + random() % 26));
    text += ' ';
  }
  text.resize(size);
  return text;
}

void RemoveBlanksWorkStack(benchmark::State& state, const std::string& input) {
  RoutineFrame frame;
  DynString text = DynString::Copy(frame.errors, input);
  DynString result;
  for (auto _ : state) {
    frame.strings.PushBorrowed(text);
    frame.strings.PushBorrowed(kBlank);
    runtime::RemoveAll(frame.strings);
    frame.strings.PopAssign(result);
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(input.size()));
}

void RemoveBlanksStdString(benchmark::State& state, const std::string& input) {
  for (auto _ : state) {
    std::string result = input;
    result.erase(std::remove(result.begin(), result.end(), ' '), result.end());
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(input.size()));
}

const std::string kNumberText = " 1234567";
const std::string kLongNumberText = " 123456789012345";
const std::string kProse = Prose(4096);

BENCHMARK_CAPTURE(RemoveBlanksWorkStack, number, kNumberText);
BENCHMARK_CAPTURE(RemoveBlanksStdString, number, kNumberText);
BENCHMARK_CAPTURE(RemoveBlanksWorkStack, long_number, kLongNumberText);
BENCHMARK_CAPTURE(RemoveBlanksStdString, long_number, kLongNumberText);
BENCHMARK_CAPTURE(RemoveBlanksWorkStack, prose_4k, kProse);
BENCHMARK_CAPTURE(RemoveBlanksStdString, prose_4k, kProse);

}  // namespace

BENCHMARK_MAIN();
