// LoadImageW: the image type picks the loader.
#include "platform/user/image_loading.h"

#include "platform/user/bitmap_loading.h"

namespace platform {
namespace {

constexpr DWORD kMaxImageFileBytes = 64u << 20;

}  // namespace

bool ReadWholeFile(LPCWSTR path, std::vector<BYTE>& bytes) {
  if (path == nullptr || IS_INTRESOURCE(path)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return false;
  }
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD high = 0;
  const DWORD size = GetFileSize(file, &high);
  bool ok = size != INVALID_FILE_SIZE && high == 0 && size <= kMaxImageFileBytes;
  if (ok) {
    bytes.resize(size);
    DWORD read = 0;
    ok = size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size);
  } else {
    SetLastError(ERROR_INVALID_DATA);
  }
  const DWORD error = GetLastError();
  CloseHandle(file);
  SetLastError(error);
  return ok;
}

}  // namespace platform

extern "C" HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy,
                             UINT flags) {
  if (name == nullptr || cx < 0 || cy < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  switch (type) {
    case IMAGE_BITMAP:
      return platform::LoadBitmapImage(instance, name, cx, cy, flags);
    case IMAGE_ICON:
      return platform::LoadIconOrCursor(instance, name, true, cx, cy, flags);
    case IMAGE_CURSOR:
      return platform::LoadIconOrCursor(instance, name, false, cx, cy, flags);
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}
