// Windows share modes between all opens of a file, in this process and in others.
//
// An open with access A and share mode S may join the existing opens (A', S') of a file
// only if A is within every S' and every A' is within S. Each open records its A and the
// kinds its S refuses as shared open-file-description locks on marker bytes far beyond
// any real data; those locks live exactly as long as the descriptor, so they disappear
// when the handle closes or its process dies. The test of the others' markers and the
// taking of one's own happen under a short exclusive flock on the file, so two opens can
// never both pass the test and then conflict.
//
// Limits: a descriptor that is not readable (a file the user may write but not read)
// cannot hold read locks, so such opens take part in no share checks; file systems
// without open-file-description locks (some network file systems) are not checked either.
#pragma once

#include "platform/win32.h"

namespace platform {

// Access kinds use the bit of the share flag that admits them, so "A within S" is
// (A & ~S) == 0.
constexpr DWORD kAccessKindRead = FILE_SHARE_READ;
constexpr DWORD kAccessKindWrite = FILE_SHARE_WRITE;
constexpr DWORD kAccessKindDelete = FILE_SHARE_DELETE;
constexpr DWORD kAllAccessKinds = kAccessKindRead | kAccessKindWrite | kAccessKindDelete;

DWORD AccessKindsOf(DWORD desired_access);

// Joins the opens of fd's file with the given access kinds and share mode. Returns
// ERROR_SUCCESS (markers now held by fd) or ERROR_SHARING_VIOLATION (nothing held).
DWORD ClaimShareAccess(int fd, DWORD access_kinds, DWORD share_mode);

// Runs remove() unless some open of fd's file refuses deletion (no FILE_SHARE_DELETE),
// with the share guard held so that no such open can appear in between. Returns
// ERROR_SHARING_VIOLATION, or what remove() returned.
template <class Remove>
DWORD RemoveUnlessDeleteDenied(int fd, Remove&& remove);

// Implementation details of RemoveUnlessDeleteDenied.
namespace share_detail {
bool TakeGuard(int fd);  // false: the file stayed busy for too long
void ReleaseGuard(int fd);
bool SomeOpenDeniesDelete(int fd);
}  // namespace share_detail

template <class Remove>
DWORD RemoveUnlessDeleteDenied(int fd, Remove&& remove) {
  if (!share_detail::TakeGuard(fd)) return ERROR_SHARING_VIOLATION;
  DWORD result = ERROR_SHARING_VIOLATION;
  if (!share_detail::SomeOpenDeniesDelete(fd)) result = remove();
  share_detail::ReleaseGuard(fd);
  return result;
}

}  // namespace platform
