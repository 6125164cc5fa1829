#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "tests/support/temp_dir.h"

extern char** environ;

namespace testing_support {
namespace {

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> merged;
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry = *e;
    std::string name = entry.substr(0, entry.find('='));
    bool replaced = false;
    for (const auto& x : extra) replaced |= x.substr(0, x.find('=')) == name;
    if (!replaced) merged.push_back(entry);
  }
  merged.insert(merged.end(), extra.begin(), extra.end());
  // Sanitized builds preload libfaketime before their own runtime in e2e runs.
  bool has_asan = false;
  for (auto& x : merged) {
    if (x.rfind("ASAN_OPTIONS=", 0) == 0) {
      x += ":verify_asan_link_order=0";
      has_asan = true;
    }
  }
  if (!has_asan) merged.push_back("ASAN_OPTIONS=verify_asan_link_order=0");
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (auto& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

int ExitCode(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

std::string TempFile(const char* tag) {
  std::string pattern = std::string("/tmp/vestralino-child-") + tag + "-XXXXXX";
  int fd = mkstemp(pattern.data());
  if (fd < 0) throw std::runtime_error("mkstemp failed");
  close(fd);
  return pattern;
}

}  // namespace

Child::Child(const std::vector<std::string>& argv_in, const ChildOptions& options) {
  out_path_ = TempFile("out");
  err_path_ = TempFile("err");
  std::string in_path = TempFile("in");
  WriteBytes(in_path, options.stdin_text);
  std::vector<std::string> argv = argv_in;
  std::vector<std::string> env = MergedEnvironment(options.environment);
  auto argv_p = Pointers(argv);
  auto env_p = Pointers(env);
  // Opened before the fork: the file is unlinked as soon as the child is on its way.
  int in = open(in_path.c_str(), O_RDONLY | O_CLOEXEC);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    int out = open(out_path_.c_str(), O_WRONLY | O_TRUNC);
    int err = open(err_path_.c_str(), O_WRONLY | O_TRUNC);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    setsid();  // no controlling terminal: the program must not find a tty
    if (!options.working_directory.empty() && chdir(options.working_directory.c_str()) != 0) {
      _exit(126);
    }
    execvpe(argv_p[0], argv_p.data(), env_p.data());
    _exit(127);
  }
  if (in >= 0) close(in);
  unlink(in_path.c_str());
}

Child::~Child() {
  if (!waited_ && pid_ > 0) {
    kill(pid_, SIGKILL);
    Wait();
  }
  unlink(out_path_.c_str());
  unlink(err_path_.c_str());
}

ChildResult Child::Wait() {
  ChildResult result;
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  waited_ = true;
  result.exit_code = ExitCode(status);
  result.out = ReadBytes(out_path_);
  result.err = ReadBytes(err_path_);
  return result;
}

ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options) {
  Child child(argv, options);
  return child.Wait();
}

HeldChild::HeldChild(const std::vector<std::string>& argv_in) {
  int in_pipe[2];
  int out_pipe[2];
  if (pipe2(in_pipe, O_CLOEXEC) != 0 || pipe2(out_pipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  std::vector<std::string> argv = argv_in;
  std::vector<std::string> env = MergedEnvironment({});
  auto argv_p = Pointers(argv);
  auto env_p = Pointers(env);
  pid_ = fork();
  if (pid_ == 0) {
    dup2(in_pipe[0], 0);
    dup2(out_pipe[1], 1);
    execvpe(argv_p[0], argv_p.data(), env_p.data());
    _exit(127);
  }
  close(in_pipe[0]);
  close(out_pipe[1]);
  stdin_fd_ = in_pipe[1];
  stdout_fd_ = out_pipe[0];
}

HeldChild::~HeldChild() {
  if (pid_ > 0) Release();
}

std::string HeldChild::ReadLine() {
  std::string line;
  char c;
  while (read(stdout_fd_, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

int HeldChild::Release() {
  if (pid_ <= 0) return -1;
  close(stdin_fd_);
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  close(stdout_fd_);
  pid_ = -1;
  return ExitCode(status);
}

}  // namespace testing_support
