#include "platform/kernel/file_attributes.h"

#include <sys/xattr.h>

#include <cerrno>

namespace platform {
namespace {

constexpr char kAttributeName[] = "user.win32.attributes";
constexpr int kWordBytes = 4;

void EncodeWord(DWORD value, unsigned char (&bytes)[kWordBytes]) {
  for (int i = 0; i < kWordBytes; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

bool IsReadOnlyMode(mode_t mode) {
  return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::optional<DWORD> ReadStoredAttributes(const std::string& posix_path) {
  unsigned char bytes[kWordBytes];
  const ssize_t length = getxattr(posix_path.c_str(), kAttributeName, bytes, sizeof bytes);
  // A value of another length was not written by us: treat it as never set.
  if (length != kWordBytes) return std::nullopt;
  DWORD value = 0;
  for (int i = 0; i < kWordBytes; ++i) value |= DWORD{bytes[i]} << (8 * i);
  return value & kStoredAttributeBits;
}

int WriteStoredAttributes(const std::string& posix_path, DWORD bits) {
  unsigned char bytes[kWordBytes];
  EncodeWord(bits & kStoredAttributeBits, bytes);
  return setxattr(posix_path.c_str(), kAttributeName, bytes, sizeof bytes, 0) == 0 ? 0 : errno;
}

int WriteStoredAttributes(int fd, DWORD bits) {
  unsigned char bytes[kWordBytes];
  EncodeWord(bits & kStoredAttributeBits, bytes);
  return fsetxattr(fd, kAttributeName, bytes, sizeof bytes, 0) == 0 ? 0 : errno;
}

DWORD AttributesOf(const std::string& posix_path, const struct stat& status) {
  const std::optional<DWORD> stored = ReadStoredAttributes(posix_path);
  DWORD attributes;
  if (S_ISDIR(status.st_mode)) {
    attributes = FILE_ATTRIBUTE_DIRECTORY | stored.value_or(0);
  } else {
    attributes = stored.value_or(FILE_ATTRIBUTE_ARCHIVE);
  }
  if (IsReadOnlyMode(status.st_mode)) attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

}  // namespace platform
