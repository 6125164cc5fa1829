#include "platform/kernel/file_object.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/kernel/share_modes.h"

namespace platform {

namespace {
bool IsRegularFile(int fd) {
  struct stat status;
  return fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}
}  // namespace

FileObject::FileObject(int fd, DWORD access_kinds)
    : fd_(fd), access_kinds_(access_kinds), regular_(IsRegularFile(fd)) {}

// Closing the descriptor also drops its share markers and any share guard.
FileObject::~FileObject() {
  close(fd_);
}

bool FileObject::CanRead() const {
  return (access_kinds_ & kAccessKindRead) != 0;
}
bool FileObject::CanWrite() const {
  return (access_kinds_ & kAccessKindWrite) != 0;
}

HANDLE HandleForDescriptor(int fd, DWORD desired_access) {
  return InsertKernelObject(std::make_shared<FileObject>(fd, AccessKindsOf(desired_access)));
}

std::shared_ptr<FileObject> FindFile(HANDLE handle) {
  return FindKernelObjectOf<FileObject>(handle);
}

}  // namespace platform
