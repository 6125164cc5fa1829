// Free and total bytes of a volume. The extended query is looked up at run time, as on
// systems that lack it the cluster-based one is the only answer.
#include <cstring>

#include "runtime/files/file_attributes.h"
#include "runtime/files/guarded_os_call.h"
#include "runtime/files/wide_path.h"
#include "runtime/frame/process_state.h"

namespace runtime {

namespace {

constexpr std::uint32_t kMaxUncUnits = 258;

using DiskFreeSpaceExW = BOOL (*)(LPCWSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
using DiskFreeSpaceExA = BOOL (*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

struct DiskSpace {
  std::uint64_t free_bytes = 0;
  std::uint64_t total_bytes = 0;
};

// The root to ask about, or none (the current drive). A drive letter gives that drive's
// root; a UNC path is taken whole. Absolute paths on this platform have no drive letter
// and start with a separator: their root is "\". A relative path lives on the current
// drive. Taking the first character as a drive letter would ask about a volume that
// does not exist for those two.
bool RootOf(const WidePath& path, WidePath* root) {
  std::u16string_view text = path.view();
  if (text.empty()) return false;
  if (text.size() >= 2 && text[1] == u':') {
    root->Append(text.substr(0, 2));
    root->Append(u"\\");
    return true;
  }
  if (text.size() >= 2 && IsPathSeparator(text[0]) && IsPathSeparator(text[1])) {
    root->Append(text.substr(0, kMaxUncUnits));
    if (!IsPathSeparator(root->last())) root->Append(u"\\");
    return true;
  }
  if (IsPathSeparator(text[0])) {
    root->Append(u"\\");
    return true;
  }
  return false;
}

// The root in the ANSI code page; an empty result when there is no root.
DynString NarrowRoot(ErrorState& errors, const WCHAR* root) {
  if (root == nullptr) return {};
  int bytes = WideCharToMultiByte(CP_ACP, 0, root, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) return {};
  DynString narrow = DynString::Adopt(AllocateText(errors, static_cast<std::uint32_t>(bytes)));
  if (!narrow.empty()) {
    WideCharToMultiByte(CP_ACP, 0, root, -1, narrow.data(), bytes, nullptr, nullptr);
  }
  return narrow;
}

DiskSpace QueryDiskSpace(RoutineFrame& frame) {
  WidePath path = WidePath::Pop(frame.strings, WidePath::kCapacity);
  WidePath root_buffer;
  const WCHAR* root = RootOf(path, &root_buffer) ? root_buffer.c_str() : nullptr;
  const bool narrow_mode = Process().narrow_mode;

  HMODULE kernel = GetModuleHandleW(u"KERNEL32");
  FARPROC extended =
      kernel == nullptr
          ? nullptr
          : GetProcAddress(kernel, narrow_mode ? "GetDiskFreeSpaceExA" : "GetDiskFreeSpaceExW");
  DiskSpace space;
  if (extended != nullptr) {
    ULARGE_INTEGER total{}, total_free{};
    bool answered;
    if (narrow_mode) {
      DynString narrow = NarrowRoot(frame.errors, root);
      auto query = reinterpret_cast<DiskFreeSpaceExA>(reinterpret_cast<void (*)()>(extended));
      const char* text = narrow.empty() ? nullptr : narrow.data();
      answered = GuardedOsCall([&] { return query(text, nullptr, &total, &total_free); }).ok();
    } else {
      auto query = reinterpret_cast<DiskFreeSpaceExW>(reinterpret_cast<void (*)()>(extended));
      answered = GuardedOsCall([&] { return query(root, nullptr, &total, &total_free); }).ok();
    }
    if (!answered) return space;
    space.free_bytes = total_free.QuadPart;
    space.total_bytes = total.QuadPart;
    return space;
  }
  DynString narrow = NarrowRoot(frame.errors, root);
  DWORD sectors_per_cluster = 0, bytes_per_sector = 0, free_clusters = 0, total_clusters = 0;
  bool answered =
      GuardedOsCall([&] {
        return GetDiskFreeSpaceA(narrow.empty() ? nullptr : narrow.data(), &sectors_per_cluster,
                                 &bytes_per_sector, &free_clusters, &total_clusters);
      }).ok();
  if (!answered) return space;
  std::uint64_t cluster = std::uint64_t{sectors_per_cluster} * bytes_per_sector;
  space.free_bytes = cluster * free_clusters;
  space.total_bytes = cluster * total_clusters;
  return space;
}

}  // namespace

long double DiskSpaceFree(RoutineFrame& frame) {
  return static_cast<long double>(QueryDiskSpace(frame).free_bytes);
}

long double DiskSpaceTotal(RoutineFrame& frame) {
  return static_cast<long double>(QueryDiskSpace(frame).total_bytes);
}

}  // namespace runtime
