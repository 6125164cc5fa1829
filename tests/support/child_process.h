// Starting other programs from a test: the real vestralino binary, the test helper, a
// shell. Standard output and error are collected into files, so nothing can block.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace testing_support {

struct ChildOptions {
  std::vector<std::string> environment;  // NAME=VALUE added to (or replacing) ours
  std::string working_directory;         // empty: ours
  std::string stdin_text;                // fed to the child's standard input
};

struct ChildResult {
  int exit_code = -1;  // 128 + signal number when the child was killed
  std::string out;
  std::string err;
};

class Child {
 public:
  Child(const std::vector<std::string>& argv, const ChildOptions& options = {});
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  ChildResult Wait();

 private:
  pid_t pid_ = -1;
  std::string out_path_;
  std::string err_path_;
  bool waited_ = false;
};

ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options = {});

// A child whose standard input stays open (a pipe) until Release; its first output line
// can be awaited. Used to hold a file open in another process.
class HeldChild {
 public:
  explicit HeldChild(const std::vector<std::string>& argv);
  ~HeldChild();
  std::string ReadLine();  // the next line of its standard output (without the newline)
  int Release();           // closes its standard input and waits; its exit code

 private:
  pid_t pid_ = -1;
  int stdin_fd_ = -1;
  int stdout_fd_ = -1;
};

}  // namespace testing_support
