// UTF-8 -> UTF-16 conversion against the C library's iconv, measured in the same run.
#include <iconv.h>

#include <string>

#include <benchmark/benchmark.h>

#include "platform/win32.h"

namespace {

std::string AsciiText() {
  std::string text;
  while (text.size() < 4096) text += "Llevo 1234 dias sin pecar. Has pecado hoy ? ";
  return text;
}

std::string SpanishText() {
  std::string text;
  while (text.size() < 4096)
    text +=
        "Comenc\xC3\xA9 el d\xC3\xAD"
        "a, a\xC3\xB1o \xE2\x82\xAC ";
  return text;
}

void ConvertWithPlatform(benchmark::State& state, const std::string& text) {
  std::u16string out(text.size(), u'\0');
  for (auto _ : state) {
    const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                          out.data(), static_cast<int>(out.size()));
    benchmark::DoNotOptimize(units);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void ConvertWithIconv(benchmark::State& state, const std::string& text) {
  iconv_t converter = iconv_open("UTF-16LE", "UTF-8");
  std::u16string out(text.size(), u'\0');
  for (auto _ : state) {
    char* in = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    char* to = reinterpret_cast<char*>(out.data());
    std::size_t out_left = out.size() * 2;
    benchmark::DoNotOptimize(iconv(converter, &in, &in_left, &to, &out_left));
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(converter);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_MultiByteToWideChar_Ascii(benchmark::State& s) {
  ConvertWithPlatform(s, AsciiText());
}
void BM_Iconv_Ascii(benchmark::State& s) {
  ConvertWithIconv(s, AsciiText());
}
void BM_MultiByteToWideChar_Spanish(benchmark::State& s) {
  ConvertWithPlatform(s, SpanishText());
}
void BM_Iconv_Spanish(benchmark::State& s) {
  ConvertWithIconv(s, SpanishText());
}

BENCHMARK(BM_MultiByteToWideChar_Ascii);
BENCHMARK(BM_Iconv_Ascii);
BENCHMARK(BM_MultiByteToWideChar_Spanish);
BENCHMARK(BM_Iconv_Spanish);

}  // namespace

BENCHMARK_MAIN();
