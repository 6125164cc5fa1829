// A log that cannot grow: the append shows "Err:  61 Disk full" and no whole record is
// damaged.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/child_process.h"
#include "tests/support/json.h"
#include "tests/support/vestralino_sandbox.h"

namespace {

using testing_support::ChildOptions;
using testing_support::ChildResult;
using testing_support::LogRecord;
using testing_support::ReadBytes;
using testing_support::ReadTranscript;
using testing_support::RunChild;
using testing_support::Sandbox;
using testing_support::TempDir;
using testing_support::WriteBytes;

constexpr char kToday[] = "2026-12-05 10:00:00";

std::string Records(int n) {
  std::string log;
  for (int i = 0; i < n; ++i) log += LogRecord("02/12/2026", "01/12/2026");
  return log;
}

std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string CommandLine(const std::vector<std::string>& argv) {
  std::string line;
  for (const auto& a : argv) line += ShellQuote(a) + " ";
  return line;
}

std::vector<testing_support::Json> Boxes(const std::string& transcript) {
  std::vector<testing_support::Json> boxes;
  for (auto& line : ReadTranscript(transcript)) {
    if (line["event"].str() == "messagebox") boxes.push_back(line);
  }
  return boxes;
}

// The file-size limit of the process (RLIMIT_FSIZE) refuses to let the log grow, the
// way a full disk does; SIGXFSZ is ignored so the write reports it.
TEST(DiskFull, AppendPastTheFileSizeLimit) {
  struct Case {
    int records;
    int limit_blocks;       // of 1024 bytes
    std::size_t log_after;  // a short write leaves a partial record, never a damaged one
  } cases[] = {
      {512, 12, 512 * 24},           // the append would start at the limit: nothing written
      {554, 13, 13312},              // the append crosses the limit: 16 of 24 bytes written
  };
  for (const Case& c : cases) {
    Sandbox box;
    const std::string log = Records(c.records);
    box.SetLog(log);
    std::string script = box.dir() + "/script";
    std::string transcript = box.dir() + "/transcript.jsonl";
    WriteBytes(script, "answer no\n");
    ChildOptions options;
    options.environment = box.Environment(script, transcript);
    std::string command = "trap '' XFSZ; ulimit -f " + std::to_string(c.limit_blocks) +
                          "; exec " + CommandLine(box.Command(kToday));
    ChildResult result = RunChild({"bash", "-c", command}, options);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    auto boxes = Boxes(transcript);
    ASSERT_EQ(boxes.size(), 2u) << result.err;
    EXPECT_EQ(boxes[1]["text"].str(), "Err:  61 Disk full");
    std::string after = box.Log();
    EXPECT_EQ(after.size(), c.log_after);
    EXPECT_EQ(after.substr(0, log.size()), log);
  }
}

// A real full file system: a small tmpfs mounted in a private mount namespace.
TEST(DiskFull, AppendOnAFullFileSystem) {
  if (RunChild({"unshare", "--user", "--map-root-user", "--mount", "true"}).exit_code != 0) {
    GTEST_SKIP() << "cannot mount a private tmpfs here (no user or mount namespaces)";
  }
  TempDir outside;
  const std::string mount_point = outside / "full";
  std::filesystem::create_directory(mount_point);
  Sandbox staging(outside.path());  // a copy of the binary and the log to move in
  const std::string log = Records(512);  // exactly three 4 KiB pages
  staging.SetLog(log);
  std::string script = outside / "script";
  std::string transcript = outside / "transcript.jsonl";
  WriteBytes(script, "answer no\n");
  auto size = std::filesystem::file_size(staging.binary()) + 256 * 1024;
  std::string inside =
      "set -e; mount -t tmpfs -o size=" + std::to_string(size) + " tmpfs " +
      ShellQuote(mount_point) + "; cp " + ShellQuote(staging.binary()) + " " +
      ShellQuote(staging.log_path()) + " " + ShellQuote(mount_point) + "/; " +
      "dd if=/dev/zero of=" + ShellQuote(mount_point + "/filler") +
      " bs=4096 2>/dev/null || true; " + CommandLine({"env"}) +
      CommandLine(testing_support::FakeDateEnvironment(kToday)) +
      ShellQuote(mount_point + "/vestralino") + "; cp " +
      ShellQuote(mount_point + "/quembral.log") + " " + ShellQuote(outside / "log-after");
  ChildOptions options;
  options.environment = staging.Environment(script, transcript);
  ChildResult result =
      RunChild({"unshare", "--user", "--map-root-user", "--mount", "bash", "-c", inside}, options);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  auto boxes = Boxes(transcript);
  ASSERT_EQ(boxes.size(), 2u) << result.err;
  EXPECT_EQ(boxes[1]["text"].str(), "Err:  61 Disk full");
  EXPECT_EQ(ReadBytes(outside / "log-after"), log);
}

}  // namespace
