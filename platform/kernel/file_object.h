// A file handle's object: one POSIX descriptor and the access it was opened with.
#pragma once

#include <memory>

#include "platform/kernel/kernel_objects.h"
#include "platform/win32.h"

namespace platform {

class FileObject : public KernelObject {
 public:
  // Takes ownership of fd; access_kinds as from AccessKindsOf.
  FileObject(int fd, DWORD access_kinds);
  ~FileObject() override;
  FileObject(const FileObject&) = delete;
  FileObject& operator=(const FileObject&) = delete;

  int fd() const { return fd_; }
  bool CanRead() const;
  bool CanWrite() const;
  // A regular (disk) file; a descriptor's type never changes, so it is asked once.
  bool regular() const { return regular_; }

 private:
  int fd_;
  DWORD access_kinds_;
  bool regular_;
};

// A handle for a descriptor the process already has (standard input and output, for
// instance); the handle owns fd from now on.
HANDLE HandleForDescriptor(int fd, DWORD desired_access);

// The file object behind handle, or null with ERROR_INVALID_HANDLE set.
std::shared_ptr<FileObject> FindFile(HANDLE handle);

}  // namespace platform
