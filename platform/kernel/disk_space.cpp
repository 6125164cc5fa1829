// Free and total space of the file system that holds a directory (statvfs).
#include <sys/statvfs.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "platform/kernel/errno_map.h"
#include "platform/kernel/paths.h"
#include "platform/win32.h"

namespace {

struct Space {
  std::uint64_t free_to_caller = 0;
  std::uint64_t total = 0;
  std::uint64_t total_free = 0;
  std::uint64_t block_size = 0;
  std::uint64_t free_blocks = 0;
  std::uint64_t total_blocks = 0;
};

// No directory means the current one's file system (Windows: the current drive).
std::optional<Space> SpaceOf(const std::optional<std::string>& directory) {
  if (!directory) return std::nullopt;
  struct statvfs info;
  if (statvfs(directory->c_str(), &info) != 0) {
    platform::SetLastErrorForPath(errno, *directory);
    return std::nullopt;
  }
  Space space;
  space.block_size = info.f_frsize != 0 ? info.f_frsize : info.f_bsize;
  if (space.block_size == 0) space.block_size = 1;
  space.free_blocks = info.f_bavail;
  space.total_blocks = info.f_blocks;
  space.free_to_caller = space.block_size * info.f_bavail;
  space.total = space.block_size * info.f_blocks;
  space.total_free = space.block_size * info.f_bfree;
  return space;
}

std::optional<std::string> DirectoryOf(const char16_t* wide) {
  if (wide == nullptr) return std::string(".");
  return platform::PosixPathFromWide(wide);
}

std::optional<std::string> DirectoryOf(const char* ansi) {
  if (ansi == nullptr) return std::string(".");
  return platform::PosixPathFromAnsi(ansi);
}

BOOL Report(const std::optional<Space>& space, PULARGE_INTEGER free_to_caller,
            PULARGE_INTEGER total, PULARGE_INTEGER total_free) {
  if (!space) return FALSE;
  if (free_to_caller != nullptr) free_to_caller->QuadPart = space->free_to_caller;
  if (total != nullptr) total->QuadPart = space->total;
  if (total_free != nullptr) total_free->QuadPart = space->total_free;
  return TRUE;
}

}  // namespace

extern "C" {

BOOL GetDiskFreeSpaceExW(LPCWSTR directory, PULARGE_INTEGER free_to_caller, PULARGE_INTEGER total,
                         PULARGE_INTEGER total_free) {
  return Report(SpaceOf(DirectoryOf(directory)), free_to_caller, total, total_free);
}

BOOL GetDiskFreeSpaceExA(LPCSTR directory, PULARGE_INTEGER free_to_caller, PULARGE_INTEGER total,
                         PULARGE_INTEGER total_free) {
  return Report(SpaceOf(DirectoryOf(directory)), free_to_caller, total, total_free);
}

// Clusters are the file system's blocks, described as 512-byte sectors where the block
// size allows it. Counts beyond 32 bits are cut to the largest value, as Windows does
// for volumes too big for this older call.
BOOL GetDiskFreeSpaceA(LPCSTR root, LPDWORD sectors_per_cluster, LPDWORD bytes_per_sector,
                       LPDWORD free_clusters, LPDWORD total_clusters) {
  const std::optional<Space> space = SpaceOf(DirectoryOf(root));
  if (!space) return FALSE;
  constexpr std::uint64_t kSectorBytes = 512;
  const bool whole_sectors =
      space->block_size >= kSectorBytes && space->block_size % kSectorBytes == 0;
  const std::uint64_t sector = whole_sectors ? kSectorBytes : space->block_size;
  const auto clamp = [](std::uint64_t value) {
    return static_cast<DWORD>(std::min<std::uint64_t>(value, std::numeric_limits<DWORD>::max()));
  };
  if (sectors_per_cluster != nullptr) *sectors_per_cluster = clamp(space->block_size / sector);
  if (bytes_per_sector != nullptr) *bytes_per_sector = clamp(sector);
  if (free_clusters != nullptr) *free_clusters = clamp(space->free_blocks);
  if (total_clusters != nullptr) *total_clusters = clamp(space->total_blocks);
  return TRUE;
}

}  // extern "C"
