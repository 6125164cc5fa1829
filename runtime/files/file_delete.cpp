#include "runtime/files/file_attributes.h"
#include "runtime/files/guarded_os_call.h"
#include "runtime/files/wide_path.h"

namespace runtime {

namespace {

constexpr std::uint32_t kMaxPatternUnits = 256;
constexpr DWORD kNeverDeleted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_VOLUME | FILE_ATTRIBUTE_DIRECTORY;

// "/" counts as well as "\": found names are deleted relative to this part, and taking
// "dir/x*" as having no directory would delete same-named files in the current one.
bool EndsDirectoryPart(WCHAR c) {
  return c == u':' || IsPathSeparator(c);
}

std::uint32_t DirectoryPartLength(const WidePath& pattern) {
  std::u16string_view text = pattern.view();
  for (std::size_t i = text.size(); i > 0; --i) {
    if (EndsDirectoryPart(text[i - 1])) return static_cast<std::uint32_t>(i);
  }
  return 0;
}

std::u16string_view FoundName(const WIN32_FIND_DATAW& found) {
  std::u16string_view name(found.cFileName, MAX_PATH);
  return name.substr(0, name.find(u'\0'));
}

}  // namespace

void FileDelete(RoutineFrame& frame) {
  WidePath pattern = WidePath::Pop(frame.strings, kMaxPatternUnits);
  if (pattern.empty()) return;
  if (EndsDirectoryPart(pattern.last())) pattern.Append(u"*.*");

  // The search calls are made directly, outside the OS-call lock.
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return frame.errors.RaiseError(error::kFileNotFound);

  const std::uint32_t directory_length = DirectoryPartLength(pattern);
  do {
    if ((found.dwFileAttributes & kNeverDeleted) != 0) continue;
    WidePath target = pattern;
    target.Truncate(directory_length);
    target.Append(FoundName(found));
    auto outcome = GuardedOsCall([&] { return DeleteFileW(target.c_str()); });
    if (!outcome.ok()) {
      FindClose(search);
      return frame.errors.RaiseError(outcome.code);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace runtime
