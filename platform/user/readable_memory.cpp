#include "platform/user/readable_memory.h"

#include <sys/uio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace platform::user {
namespace {

constexpr std::size_t kPage = 4096;

// process_vm_readv on ourselves may be forbidden (seccomp, ptrace rules): then a pipe,
// whose write reports EFAULT for unreadable source bytes, does the same job.
std::atomic<bool> vm_read_refused{false};

bool CopyThroughPipe(std::uintptr_t from, std::size_t bytes, std::uint8_t* to) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes) {
    ssize_t wrote = write(fds[1], reinterpret_cast<const void*>(from + done), bytes - done);
    if (wrote <= 0) {
      if (wrote < 0 && errno == EINTR) continue;
      ok = false;
      break;
    }
    std::size_t got = 0;
    while (got < static_cast<std::size_t>(wrote)) {
      ssize_t n = read(fds[0], to + done + got, static_cast<std::size_t>(wrote) - got);
      if (n <= 0) {
        if (n < 0 && errno == EINTR) continue;
        ok = false;
        break;
      }
      got += static_cast<std::size_t>(n);
    }
    done += got;
  }
  close(fds[0]);
  close(fds[1]);
  return ok;
}

// Copies one run that does not cross a page boundary.
bool CopyRun(std::uintptr_t from, std::size_t bytes, std::uint8_t* to) {
  if (!vm_read_refused.load(std::memory_order_relaxed)) {
    iovec local{to, bytes};
    iovec remote{reinterpret_cast<void*>(from), bytes};
    ssize_t n = process_vm_readv(getpid(), &local, 1, &remote, 1, 0);
    if (n == static_cast<ssize_t>(bytes)) return true;
    if (n < 0 && errno == EFAULT) return false;
    if (n >= 0) return false;  // a partial copy: the rest is unreadable
    vm_read_refused.store(true, std::memory_order_relaxed);
  }
  return CopyThroughPipe(from, bytes, to);
}

}  // namespace

bool ReadableMemory::Ensure(std::size_t end) {
  if (end <= bytes_.size()) return true;
  if (failed_ || end > limit_ || address_ == 0 || address_ + end < address_) return false;
  while (bytes_.size() < end) {
    std::uintptr_t from = address_ + bytes_.size();
    std::size_t run = kPage - (from % kPage);
    if (bytes_.size() + run > limit_) run = limit_ - bytes_.size();
    std::size_t old = bytes_.size();
    bytes_.resize(old + run);
    if (!CopyRun(from, run, bytes_.data() + old)) {
      bytes_.resize(old);
      failed_ = true;
      return false;
    }
  }
  return true;
}

}  // namespace platform::user
