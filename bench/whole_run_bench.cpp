// One whole run of the program (start, read the log, ask, append, exit) against a log of
// ten years of records, and the same run against a one-record log as the reference; and
// a first run (no log: the start-day dialog shown and cancelled) beside them, with the
// peak memory of the process.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string Record() { return std::string("02/12/2026\0\0" "01/12/2026\0\0", 24); }

class RunDirectory {
 public:
  explicit RunDirectory(int records, const std::string& script = "") {
    char pattern[] = "/tmp/vestralino-bench-XXXXXX";
    dir_ = mkdtemp(pattern);
    std::filesystem::copy_file(VESTRALINO_BINARY, dir_ + "/vestralino");
    for (int i = 0; i < records; ++i) log_ += Record();
    std::ofstream(dir_ + "/script")
        << (!script.empty() ? script : records > 0 ? "answer no\n" : "press Cancelar\n");
  }
  ~RunDirectory() { std::filesystem::remove_all(dir_); }

  void ResetLog() const {
    std::ofstream(dir_ + "/quembral.log", std::ios::binary | std::ios::trunc) << log_;
  }

  // Runs the program headless: with a log it answers No and appends one record; without
  // one it cancels the start-day dialog. `peak_kb` gets the process's peak resident size.
  int Run(long* peak_kb = nullptr, double* cpu_seconds = nullptr) const {
    std::string binary = dir_ + "/vestralino";
    std::vector<std::string> env_strings = {"VESTRALINO_DISPLAY=headless",
                                            "VESTRALINO_SCRIPT=" + dir_ + "/script"};
    std::vector<char*> env;
    for (auto& e : env_strings) env.push_back(e.data());
    env.push_back(nullptr);
    char* argv[] = {binary.data(), nullptr};
    pid_t pid;
    if (posix_spawn(&pid, binary.c_str(), nullptr, nullptr, argv, env.data()) != 0) return -1;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (peak_kb != nullptr) *peak_kb = usage.ru_maxrss;
    if (cpu_seconds != nullptr) {
      *cpu_seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  std::string dir_;
  std::string log_;
};

void RunWithLog(benchmark::State& state) {
  RunDirectory run(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    run.ResetLog();
    state.ResumeTiming();
    if (run.Run() != 0) state.SkipWithError("the run failed");
  }
}

// Reference: a one-record log. Ten years: 3650 records.
BENCHMARK(RunWithLog)->Arg(1)->Arg(3650)->Unit(benchmark::kMillisecond)->UseRealTime();

void FirstRun(benchmark::State& state) {
  RunDirectory run(0);
  long peak_kb = 0;
  for (auto _ : state) {
    if (run.Run(&peak_kb) != 0) state.SkipWithError("the run failed");
  }
  state.counters["peak_kB"] = static_cast<double>(peak_kb);
}
BENCHMARK(FirstRun)->Unit(benchmark::kMillisecond)->UseRealTime();

// The start-day dialog left idle for 2 seconds, then cancelled: the modal loop's share of a
// core while it polls (the whole run's CPU time over the 2 s).
void IdleDialogTwoSeconds(benchmark::State& state) {
  RunDirectory run(0, "wait 2000\npress Cancelar\n");
  double cpu_seconds = 0;
  for (auto _ : state) {
    if (run.Run(nullptr, &cpu_seconds) != 0) state.SkipWithError("the run failed");
  }
  state.counters["cpu_percent_of_a_core"] = cpu_seconds / 2.0 * 100.0;
}
BENCHMARK(IdleDialogTwoSeconds)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
