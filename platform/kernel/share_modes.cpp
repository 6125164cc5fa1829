#include "platform/kernel/share_modes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <time.h>

#include <cerrno>
#include <cstdint>

namespace platform {
namespace {

// One marker byte per access kind and one per refused kind, at the top of the offset
// range where no file reaches. Offsets: base + bit index (0 read, 1 write, 2 delete),
// base + 3 + bit index for the refusals.
constexpr off_t kMarkerBase = INT64_MAX - 64;
constexpr int kKindCount = 3;

off_t AccessMarker(int kind_index) {
  return kMarkerBase + kind_index;
}
off_t DenyMarker(int kind_index) {
  return kMarkerBase + kKindCount + kind_index;
}

// The guard is held for a few system calls; waiting ~2 s for it means something is
// wrong with the file, and the open reports the file busy rather than hang.
constexpr int kGuardAttempts = 2000;
constexpr long kGuardPauseNanoseconds = 1'000'000;

struct flock ByteRange(short type, off_t offset) {
  struct flock range {};
  range.l_type = type;
  range.l_whence = SEEK_SET;
  range.l_start = offset;
  range.l_len = 1;
  return range;
}

enum class MarkerState { kFree, kHeld, kUnsupported };

// Whether any other open file description holds a lock on the marker.
MarkerState ProbeMarker(int fd, off_t offset) {
  struct flock range = ByteRange(F_WRLCK, offset);
  if (fcntl(fd, F_OFD_GETLK, &range) != 0) return MarkerState::kUnsupported;
  return range.l_type == F_UNLCK ? MarkerState::kFree : MarkerState::kHeld;
}

bool HoldMarker(int fd, off_t offset) {
  struct flock range = ByteRange(F_RDLCK, offset);
  return fcntl(fd, F_OFD_SETLK, &range) == 0;
}

}  // namespace

DWORD AccessKindsOf(DWORD desired_access) {
  DWORD kinds = 0;
  if (desired_access & (GENERIC_READ | GENERIC_ALL)) kinds |= kAccessKindRead;
  if (desired_access & (GENERIC_WRITE | GENERIC_ALL)) kinds |= kAccessKindWrite;
  if (desired_access & (DELETE | GENERIC_ALL)) kinds |= kAccessKindDelete;
  return kinds;
}

namespace share_detail {

bool TakeGuard(int fd) {
  for (int attempt = 0; attempt < kGuardAttempts; ++attempt) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return true;  // no flock here: go unguarded
    const struct timespec pause { 0, kGuardPauseNanoseconds };
    nanosleep(&pause, nullptr);
  }
  return false;
}

void ReleaseGuard(int fd) {
  flock(fd, LOCK_UN);
}

bool SomeOpenDeniesDelete(int fd) {
  return ProbeMarker(fd, DenyMarker(2)) == MarkerState::kHeld;
}

}  // namespace share_detail

DWORD ClaimShareAccess(int fd, DWORD access_kinds, DWORD share_mode) {
  // As on Windows, an open that neither reads, writes nor deletes (one that only asks
  // for attributes) is not checked and refuses nobody.
  if (access_kinds == 0) return ERROR_SUCCESS;
  if (!share_detail::TakeGuard(fd)) return ERROR_SHARING_VIOLATION;
  DWORD result = ERROR_SUCCESS;
  for (int kind = 0; kind < kKindCount && result == ERROR_SUCCESS; ++kind) {
    const DWORD bit = DWORD{1} << kind;
    // Our access must be admitted by every other open, and every other open's access by
    // our share mode.
    const bool conflict =
        ((access_kinds & bit) && ProbeMarker(fd, DenyMarker(kind)) == MarkerState::kHeld) ||
        (!(share_mode & bit) && ProbeMarker(fd, AccessMarker(kind)) == MarkerState::kHeld);
    if (conflict) result = ERROR_SHARING_VIOLATION;
  }
  if (result == ERROR_SUCCESS) {
    for (int kind = 0; kind < kKindCount; ++kind) {
      const DWORD bit = DWORD{1} << kind;
      // A marker that cannot be taken (no lock support) leaves this open unchecked by
      // later ones; that is the documented limit, not a reason to refuse the open.
      if (access_kinds & bit) HoldMarker(fd, AccessMarker(kind));
      if (!(share_mode & bit)) HoldMarker(fd, DenyMarker(kind));
    }
  }
  share_detail::ReleaseGuard(fd);
  return result;
}

}  // namespace platform
