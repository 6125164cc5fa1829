// FindFirstFileW, FindNextFileW and FindClose.
//
// The directory's matching names are taken in one pass when the search starts, so that
// deleting the files found (the usual reason for a search here) cannot make the search
// skip or repeat any. Each entry is looked at again when it is reported; one that has
// gone since is passed over. Names that are not valid UTF-8, or longer than
// WIN32_FIND_DATAW can hold, cannot be named through the wide API and are not reported.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/kernel/errno_map.h"
#include "platform/kernel/file_attributes.h"
#include "platform/kernel/kernel_objects.h"
#include "platform/kernel/paths.h"
#include "platform/kernel/wildcard.h"
#include "platform/win32.h"

namespace platform {
namespace {

class FindObject : public KernelObject {
 public:
  FindObject(std::string directory, std::vector<std::string> names)
      : directory_(std::move(directory)), names_(std::move(names)) {}
  bool ClosedByCloseHandle() const override { return false; }

  // Fills data with the next entry that still exists; false at the end.
  bool Next(WIN32_FIND_DATAW* data);

 private:
  std::mutex mutex_;  // two threads may step the same search
  const std::string directory_;
  const std::vector<std::string> names_;
  std::size_t next_ = 0;
};

struct Entry {
  std::u16string wide_name;
  std::string utf8_name;
};

FILETIME FileTimeOf(const struct timespec& time) {
  constexpr std::int64_t kUnitsPerSecond = 10'000'000;
  constexpr std::int64_t kEpochOffsetSeconds = 11'644'473'600;  // 1601-01-01 to 1970-01-01
  const std::int64_t units =
      (time.tv_sec + kEpochOffsetSeconds) * kUnitsPerSecond + time.tv_nsec / 100;
  const auto value = static_cast<std::uint64_t>(std::max<std::int64_t>(units, 0));
  return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

// Windows has a creation time; the file system's birth time stands for it where it is
// kept, the last modification otherwise.
struct timespec CreationTimeOf(const std::string& path, const struct stat& status) {
  struct statx extended;
  if (statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME, &extended) == 0 &&
      (extended.stx_mask & STATX_BTIME)) {
    return {static_cast<time_t>(extended.stx_btime.tv_sec),
            static_cast<long>(extended.stx_btime.tv_nsec)};
  }
  return status.st_mtim;
}

bool Describe(const std::string& path, const std::u16string& wide_name, WIN32_FIND_DATAW* data) {
  struct stat status;
  // A dangling symbolic link is still an entry: it is described by itself.
  if (stat(path.c_str(), &status) != 0 && lstat(path.c_str(), &status) != 0) return false;
  std::memset(data, 0, sizeof *data);
  data->dwFileAttributes = AttributesOf(path, status);
  data->ftCreationTime = FileTimeOf(CreationTimeOf(path, status));
  data->ftLastAccessTime = FileTimeOf(status.st_atim);
  data->ftLastWriteTime = FileTimeOf(status.st_mtim);
  const std::uint64_t size =
      S_ISDIR(status.st_mode) ? 0 : static_cast<std::uint64_t>(status.st_size);
  data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data->nFileSizeLow = static_cast<DWORD>(size);
  std::copy(wide_name.begin(), wide_name.end(), data->cFileName);
  return true;
}

bool FindObject::Next(WIN32_FIND_DATAW* data) {
  std::lock_guard<std::mutex> hold(mutex_);
  while (next_ < names_.size()) {
    const std::string& name = names_[next_++];
    const std::string path = directory_ == "/" ? "/" + name : directory_ + "/" + name;
    // The names were checked when they were collected.
    if (Describe(path, *PathUtf8ToUtf16(name), data)) return true;
  }
  return false;
}

// The names in directory that match pattern, "." and ".." first as Windows lists them,
// then in byte order so that a listing does not depend on the file system. Sets the
// last error and gives nothing when the directory cannot be read.
std::optional<std::vector<std::string>> MatchingNames(const std::string& directory,
                                                      std::u16string_view pattern) {
  DIR* stream = opendir(directory.c_str());
  if (stream == nullptr) {
    const int error = errno;
    SetLastError(error == ENOENT || error == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                     : Win32ErrorFromErrno(error));
    return std::nullopt;
  }
  std::vector<std::string> names;
  for (const char* dot_name : {".", ".."}) {
    if (MatchesWildcard(pattern, *PathUtf8ToUtf16(dot_name))) names.emplace_back(dot_name);
  }
  const std::size_t fixed_entries = names.size();
  while (const struct dirent* entry = readdir(stream)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::optional<std::u16string> wide = PathUtf8ToUtf16(name);
    if (!wide || wide->size() >= MAX_PATH) continue;
    if (MatchesWildcard(pattern, *wide)) names.push_back(name);
  }
  closedir(stream);
  std::sort(names.begin() + static_cast<std::ptrdiff_t>(fixed_entries), names.end());
  return names;
}

}  // namespace
}  // namespace platform

extern "C" {

HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* data) {
  using namespace platform;
  if (pattern == nullptr || data == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  // Checks the characters and the wildcards' place before the pattern is split.
  if (!PosixPathFromWide(pattern, /*allow_wildcards=*/true)) return INVALID_HANDLE_VALUE;
  const std::u16string_view whole(pattern);
  const std::size_t separator = whole.find_last_of(u"\\/");
  std::u16string_view name_pattern = whole;
  std::string directory = ".";
  if (separator != std::u16string_view::npos) {
    name_pattern = whole.substr(separator + 1);
    // "C:\" and "\" keep their separator: they name the root.
    directory = *PosixPathFromWide(std::u16string(whole.substr(0, separator + 1)).c_str());
    if (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  } else if (whole.size() >= 2 && whole[1] == u':') {
    name_pattern = whole.substr(2);  // "C:*.*": the current directory of drive C
  }
  // A pattern ending in a separator names a directory, not the entries in it.
  if (name_pattern.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  std::optional<std::vector<std::string>> names = MatchingNames(directory, name_pattern);
  if (!names) return INVALID_HANDLE_VALUE;
  auto search = std::make_shared<FindObject>(directory, std::move(*names));
  if (!search->Next(data)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  return InsertKernelObject(std::move(search));
}

BOOL FindNextFileW(HANDLE find, WIN32_FIND_DATAW* data) {
  const auto search = platform::FindKernelObjectOf<platform::FindObject>(find);
  if (!search) return FALSE;
  if (data == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!search->Next(data)) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  return TRUE;
}

BOOL FindClose(HANDLE find) {
  if (!platform::FindKernelObjectOf<platform::FindObject>(find) ||
      !platform::RemoveKernelObject(find)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

}  // extern "C"
