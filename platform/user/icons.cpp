// user32's icons and cursors: LookupIconIdFromDirectory(Ex), CreateIconFromResource(Ex),
// CopyIcon, DestroyIcon, DestroyCursor, LoadImageW (icons and cursors), LoadIconW and
// LoadCursorW.
//
// A null instance names USER32, whose resources are the system icons (IDI_*) and cursors
// (IDC_*). Images loaded with LR_SHARED are made once per module, name and size and live
// for the process; DestroyIcon leaves them alone.
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "platform/kernel/resource_table.h"
#include "platform/user/icon_directory.h"
#include "platform/user/icon_image.h"
#include "platform/user/icon_object.h"
#include "platform/user/image_loading.h"
#include "platform/win32.h"

namespace platform {
namespace {

int DefaultSide(bool icon) { return icon ? kIconSize : kCursorSize; }

// The system cursors this platform has no drawing of show the arrow.
WORD SystemCursorId(WORD id) {
  switch (id) {
    case 32513:  // IDC_IBEAM
    case 32514:  // IDC_WAIT
    case 32515:  // IDC_CROSS
    case 32649:  // IDC_HAND
      return id;
    case 32516: case 32640: case 32641: case 32642: case 32643: case 32644: case 32645:
    case 32646: case 32648: case 32650: case 32651:
      return 32512;
    default:
      return id;
  }
}

// IDI_WINLOGO and IDI_SHIELD are shown as the application icon.
WORD SystemIconId(WORD id) { return id == 32517 || id == 32518 ? 32512 : id; }

// A module's resources stay in place for the life of the process, so an image decoded from
// them can be shared while icons made from it wait for their resampling: a window's big and
// small icon come from one decoding.
std::shared_ptr<const Icon> DecodeModuleImage(const BYTE* bits, std::size_t size, bool icon) {
  static std::mutex lock;
  static std::map<std::pair<const BYTE*, bool>, std::weak_ptr<const Icon>> decoded;
  std::lock_guard guard(lock);
  std::weak_ptr<const Icon>& entry = decoded[{bits, icon}];
  std::shared_ptr<const Icon> image = entry.lock();
  if (image == nullptr) {
    image = DecodeIconImage(bits, size, icon);
    entry = image;
  }
  return image;
}

// `module_bits`: the bits are a module's resource (DecodeModuleImage); otherwise they may
// be gone once the call returns.
HICON MakeIcon(const BYTE* bits, std::size_t size, bool icon, int cx, int cy, UINT flags,
               bool module_bits = false) {
  std::shared_ptr<const Icon> shared;
  std::unique_ptr<Icon> own;
  if (module_bits) {
    shared = DecodeModuleImage(bits, size, icon);
  } else {
    own = DecodeIconImage(bits, size, icon);
  }
  const Icon* image = module_bits ? shared.get() : own.get();
  if (image == nullptr) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  if (cx == 0) cx = (flags & LR_DEFAULTSIZE) ? DefaultSide(icon) : image->width;
  if (cy == 0) cy = (flags & LR_DEFAULTSIZE) ? DefaultSide(icon) : image->height;
  if (cx == image->width && cy == image->height) {
    return AddIcon(own != nullptr ? std::move(own) : std::make_unique<Icon>(*image));
  }
  if (own != nullptr) shared = std::move(own);
  return AddResizedIcon(std::move(shared), cx, cy);
}

struct SharedKey {
  HMODULE module;
  const void* group;
  int cx;
  int cy;
  auto operator<=>(const SharedKey&) const = default;
};

struct SharedIcons {
  std::mutex lock;
  std::map<SharedKey, HICON> icons;
};

SharedIcons& TheSharedIcons() {
  static SharedIcons* const shared = new SharedIcons;
  return *shared;
}

// An icon or cursor from a group resource of the module.
HICON LoadFromModule(HMODULE module, LPCWSTR name, bool icon, int cx, int cy, UINT flags) {
  HRSRC group = FindResourceW(module, name, icon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
  if (group == nullptr) return nullptr;
  const SharedKey key{module, group, cx, cy};
  if (flags & LR_SHARED) {
    std::lock_guard guard(TheSharedIcons().lock);
    auto found = TheSharedIcons().icons.find(key);
    if (found != TheSharedIcons().icons.end()) return found->second;
  }
  auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
  const int lookup_cx = cx != 0 ? cx : DefaultSide(icon);
  const int lookup_cy = cy != 0 ? cy : DefaultSide(icon);
  const int id = LookupIconIdFromDirectoryEx(directory, icon, lookup_cx, lookup_cy, flags);
  HRSRC image = id == 0 ? nullptr
                        : FindResourceW(module, MAKEINTRESOURCEW(static_cast<WORD>(id)),
                                        icon ? RT_ICON : RT_CURSOR);
  if (image == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  const auto* bits = static_cast<const BYTE*>(LockResource(LoadResource(module, image)));
  HICON made = MakeIcon(bits, SizeofResource(module, image), icon, cx, cy, flags, true);
  if (made != nullptr && (flags & LR_SHARED)) {
    FindIcon(made)->shared = true;
    std::lock_guard guard(TheSharedIcons().lock);
    auto [entry, added] = TheSharedIcons().icons.emplace(key, made);
    if (!added) {  // another thread made it meanwhile: keep one
      RemoveIcon(made);
      made = entry->second;
    }
  }
  return made;
}

// An icon or cursor from an .ico / .cur file.
HICON LoadFromFile(LPCWSTR path, bool icon, int cx, int cy, UINT flags) {
  std::vector<BYTE> file;
  if (!ReadWholeFile(path, file)) return nullptr;
  const std::vector<DirectoryImage> images = ReadFileDirectory(file.data(), file.size(), icon);
  const std::optional<std::size_t> best = BestImage(
      images, cx != 0 ? cx : DefaultSide(icon), cy != 0 ? cy : DefaultSide(icon), flags);
  if (!best) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  const DirectoryImage& chosen = images[*best];
  std::vector<BYTE> bits;
  if (!icon) {  // a resource-form cursor image starts with its hot spot
    const auto x = static_cast<WORD>(chosen.hotspot.x);
    const auto y = static_cast<WORD>(chosen.hotspot.y);
    bits = {static_cast<BYTE>(x), static_cast<BYTE>(x >> 8), static_cast<BYTE>(y),
            static_cast<BYTE>(y >> 8)};
  }
  bits.insert(bits.end(), file.begin() + chosen.offset,
              file.begin() + chosen.offset + chosen.bytes);
  return MakeIcon(bits.data(), bits.size(), icon, cx, cy, flags);
}

}  // namespace

HANDLE LoadIconOrCursor(HINSTANCE instance, LPCWSTR name, bool icon, int cx, int cy,
                        UINT flags) {
  if (flags & LR_LOADFROMFILE) return LoadFromFile(name, icon, cx, cy, flags);
  HMODULE module = instance;
  if (module == nullptr) {
    module = SystemModule();
    if (IS_INTRESOURCE(name)) {
      const WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
      name = MAKEINTRESOURCEW(icon ? SystemIconId(id) : SystemCursorId(id));
    }
  }
  return LoadFromModule(module, name, icon, cx, cy, flags);
}

}  // namespace platform

extern "C" {

int LookupIconIdFromDirectoryEx(PBYTE directory, BOOL icon, int cx, int cy, UINT flags) {
  if (directory == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // The directory's size is not passed: its header says how long it is.
  const std::size_t count = static_cast<std::size_t>(directory[4] | (directory[5] << 8));
  const std::vector<platform::DirectoryImage> images =
      platform::ReadGroupDirectory(directory, 6 + 14 * count, icon != FALSE);
  if (cx == 0) cx = platform::DefaultSide(icon != FALSE);
  if (cy == 0) cy = platform::DefaultSide(icon != FALSE);
  const std::optional<std::size_t> best = platform::BestImage(images, cx, cy, flags);
  if (!best) {
    SetLastError(ERROR_INVALID_DATA);
    return 0;
  }
  return images[*best].id;
}

int LookupIconIdFromDirectory(PBYTE directory, BOOL icon) {
  return LookupIconIdFromDirectoryEx(directory, icon, 0, 0, LR_DEFAULTCOLOR);
}

HICON CreateIconFromResourceEx(PBYTE bits, DWORD size, BOOL icon, DWORD version, int cx,
                               int cy, UINT flags) {
  if (bits == nullptr || cx < 0 || cy < 0 || (version != 0x00030000 && version != 0x00020000)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return platform::MakeIcon(bits, size, icon != FALSE, cx, cy, flags);
}

HICON CreateIconFromResource(PBYTE bits, DWORD size, BOOL icon, DWORD version) {
  return CreateIconFromResourceEx(bits, size, icon, version, 0, 0, LR_DEFAULTSIZE);
}

HICON CopyIcon(HICON icon) {
  const platform::Icon* found = platform::FindIcon(icon);
  if (found == nullptr) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return nullptr;
  }
  auto copy = std::make_unique<platform::Icon>(*found);
  copy->shared = false;
  return platform::AddIcon(std::move(copy));
}

BOOL DestroyIcon(HICON icon) {
  const platform::Icon* found = platform::FindIcon(icon);
  if (found == nullptr) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return FALSE;
  }
  if (!found->shared) platform::RemoveIcon(icon);
  return TRUE;
}

BOOL DestroyCursor(HCURSOR cursor) {
  return DestroyIcon(cursor);
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
  return static_cast<HICON>(platform::LoadIconOrCursor(instance, name, true, 0, 0,
                                                       LR_SHARED | LR_DEFAULTSIZE));
}

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
  return static_cast<HCURSOR>(platform::LoadIconOrCursor(instance, name, false, 0, 0,
                                                         LR_SHARED | LR_DEFAULTSIZE));
}

}  // extern "C"
