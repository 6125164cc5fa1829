#include "platform/kernel/file_object.h"

#include <unistd.h>

#include "platform/kernel/share_modes.h"

namespace platform {

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
