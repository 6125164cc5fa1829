#include "tests/support/vestralino_sandbox.h"

#include <unistd.h>

#include <filesystem>

namespace testing_support {

std::vector<Json> RunOutcome::MessageBoxes() const {
  std::vector<Json> boxes;
  for (const auto& line : transcript) {
    if (line["event"].str() == "messagebox") boxes.push_back(line);
  }
  return boxes;
}

std::string LogRecord(const std::string& visit_date, const std::string& start_date) {
  std::string record(24, '\0');
  record.replace(0, std::min<std::size_t>(visit_date.size(), 11), visit_date.substr(0, 11));
  record.replace(12, std::min<std::size_t>(start_date.size(), 11), start_date.substr(0, 11));
  return record;
}

std::string FakeTimeLibrary() {
  for (const char* path : {"/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
                           "/usr/lib/aarch64-linux-gnu/faketime/libfaketime.so.1",
                           "/usr/lib/faketime/libfaketime.so.1",
                           "/usr/lib64/faketime/libfaketime.so.1"}) {
    if (access(path, R_OK) == 0) return path;
  }
  return "";
}

std::vector<std::string> FakeDateEnvironment(const std::string& date) {
  return {"LD_PRELOAD=" + FakeTimeLibrary(), "FAKETIME=@" + date};
}

Sandbox::Sandbox(const std::string& directory) {
  if (directory.empty()) {
    owned_dir_ = std::make_unique<TempDir>();
    dir_ = owned_dir_->path();
  } else {
    dir_ = directory;
  }
  std::filesystem::copy_file(VESTRALINO_BINARY, binary(),
                             std::filesystem::copy_options::overwrite_existing);
}

std::vector<std::string> Sandbox::Command(const std::string& date) const {
  std::vector<std::string> command = {"env"};
  for (const auto& entry : FakeDateEnvironment(date)) command.push_back(entry);
  command.push_back(binary());
  return command;
}

std::vector<std::string> Sandbox::Environment(const std::string& script_path,
                                              const std::string& transcript_path) const {
  return {"VESTRALINO_DISPLAY=headless", "VESTRALINO_SCRIPT=" + script_path,
          "VESTRALINO_TRANSCRIPT=" + transcript_path, "TZ=UTC"};
}

Sandbox::Pending Sandbox::Start(const std::string& date, const std::vector<std::string>& script,
                                const std::vector<std::string>& environment) {
  int n = ++runs_;
  std::string script_path = dir_ + "/script-" + std::to_string(n);
  std::string transcript_path = dir_ + "/transcript-" + std::to_string(n) + ".jsonl";
  std::string text;
  for (const auto& line : script) text += line + "\n";
  WriteBytes(script_path, text);
  ChildOptions options;
  options.environment = Environment(script_path, transcript_path);
  options.environment.insert(options.environment.end(), environment.begin(), environment.end());
  Pending pending;
  pending.child = std::make_unique<Child>(Command(date), options);
  pending.transcript_path = transcript_path;
  return pending;
}

RunOutcome Sandbox::Finish(Pending& pending) {
  ChildResult result = pending.child->Wait();
  RunOutcome outcome;
  outcome.exit_code = result.exit_code;
  outcome.err = result.err;
  outcome.transcript = ReadTranscript(pending.transcript_path);
  return outcome;
}

RunOutcome Sandbox::Run(const std::string& date, const std::vector<std::string>& script,
                        const std::vector<std::string>& environment) {
  Pending pending = Start(date, script, environment);
  return Finish(pending);
}

}  // namespace testing_support
