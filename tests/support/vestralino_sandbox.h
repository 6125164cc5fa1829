// Runs the real vestralino binary headless, from a copy in a temporary directory (the
// log lives beside the executable), with a script of answers, a transcript and a fake
// date: libfaketime preloaded into the program itself. The faketime wrapper is not used:
// it forks (the program's pid would not be the one started) and names a semaphore after its
// own pid, so a wrapper killed earlier can make a later one with the same pid fail.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/json.h"
#include "tests/support/temp_dir.h"

namespace testing_support {

struct RunOutcome {
  int exit_code = -1;
  std::vector<Json> transcript;
  std::string err;
  // The message boxes of the transcript, in order.
  std::vector<Json> MessageBoxes() const;
};

// A log record: two date texts, each NUL-terminated in 12 bytes, the rest zero.
std::string LogRecord(const std::string& visit_date, const std::string& start_date);

// libfaketime's path; empty when it is not installed.
std::string FakeTimeLibrary();
// The NAME=VALUE entries that fake `date` for one program: LD_PRELOAD and FAKETIME.
std::vector<std::string> FakeDateEnvironment(const std::string& date);

class Sandbox {
 public:
  // The binary is copied into `directory` (a fresh temporary one when empty).
  explicit Sandbox(const std::string& directory = "");

  const std::string& dir() const { return dir_; }
  std::string log_path() const { return dir_ + "/quembral.log"; }
  std::string binary() const { return dir_ + "/vestralino"; }
  std::string Log() const { return ReadBytes(log_path()); }
  void SetLog(const std::string& bytes) const { WriteBytes(log_path(), bytes); }

  // date as libfaketime takes it after its "@", e.g. "2026-12-05 10:00:00".
  RunOutcome Run(const std::string& date, const std::vector<std::string>& script,
                 const std::vector<std::string>& environment = {});

  // Starts a run without waiting; Finish collects it.
  struct Pending {
    std::unique_ptr<Child> child;
    std::string transcript_path;
  };
  Pending Start(const std::string& date, const std::vector<std::string>& script,
                const std::vector<std::string>& environment = {});
  static RunOutcome Finish(Pending& pending);

  // The command line of a run (env, the fake date, the binary), for tests that wrap it.
  std::vector<std::string> Command(const std::string& date) const;
  std::vector<std::string> Environment(const std::string& script_path,
                                       const std::string& transcript_path) const;

 private:
  std::unique_ptr<TempDir> owned_dir_;
  std::string dir_;
  int runs_ = 0;
};

}  // namespace testing_support
