// The resources a module carries (platform-internal).
//
// There is no PE image to read them from: the build turns the files under resources/ into
// generated C++ sources (resources/embed/embed_resources.cpp) holding tables of entries,
// with the bytes laid out exactly as Windows stores them (RT_GROUP_ICON directories,
// RT_ICON images, RT_MANIFEST text).
//
// The executable's resources are whatever tables the program links: each generated source
// for the executable holds a ResourceRegistration, a static object that adds its table when
// the program starts. A program that links only the platform library carries none, and its
// look-ups fail as they do for an image without a resource section. USER32's table (the
// system icons and cursors) is part of the platform library itself.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform {

// A resource type or name: an integer id (text == nullptr) or an upper-case name.
struct ResourceKey {
  WORD id;
  const char16_t* text;
};

struct ResourceEntry {
  ResourceKey type;
  ResourceKey name;
  WORD language;
  const BYTE* data;
  DWORD size;
};

// Adds a table of the executable's resources for the life of the process.
class ResourceRegistration {
 public:
  explicit ResourceRegistration(std::span<const ResourceEntry> entries);
  ResourceRegistration(const ResourceRegistration&) = delete;
  ResourceRegistration& operator=(const ResourceRegistration&) = delete;

  std::span<const ResourceEntry> entries;
  const ResourceRegistration* next = nullptr;
};

// USER32's own resources, defined by the generated source built into the platform library.
extern const std::span<const ResourceEntry> kSystemResources;

class ModuleResources {
 public:
  explicit ModuleResources(std::vector<const ResourceEntry*> entries);

  // Whether any resource has this type; the entries of one type, in enumeration order.
  bool HasType(const ResourceKey& type) const;
  std::vector<const ResourceEntry*> OfType(const ResourceKey& type) const;
  // The resource of that type and name: the wanted language, else the first one there is.
  const ResourceEntry* Find(const ResourceKey& type, const ResourceKey& name,
                            WORD language) const;
  // Whether the entry is one of this module's (a resource handle given back to it).
  bool Contains(const ResourceEntry* entry) const;

 private:
  std::vector<const ResourceEntry*> entries_;  // sorted by type, then name, then language
};

// Every resource of a module, ordered as a PE resource directory enumerates them: within a
// type, names (in upper case, sorted) before integer ids (ascending). Null when the module
// carries no resources at all (a library without any, an unknown handle, a program that
// links no table).
const ModuleResources* ResourcesOf(HMODULE module);

// USER32's module handle, the home of the system icons and cursors.
HMODULE SystemModule();


// The key a Windows resource argument names: MAKEINTRESOURCE ids as they are, "#123" as the
// integer 123, other texts in upper case (kept in `storage`). False for a null pointer or a
// "#" form that is not a number up to 0xFFFF.
bool ParseResourceKey(LPCWSTR argument, std::u16string& storage, ResourceKey& key);

// Orders keys as a PE resource directory does (names first, case-insensitively; then ids).
int CompareResourceKeys(const ResourceKey& a, const ResourceKey& b);

}  // namespace platform
