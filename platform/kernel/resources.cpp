// FindResourceW, FindResourceExW, LoadResource, LockResource, SizeofResource, FreeResource
// and EnumResourceNamesW over the tables of resource_table.h.
//
// A resource handle (HRSRC) is the address of its table entry and is checked against the
// module's entries before use; the loaded data (HGLOBAL) is the address of the bytes, which
// stay put for the life of the process, so FreeResource has nothing to do.
#include <string>

#include "platform/kernel/resource_table.h"
#include "platform/win32.h"

namespace platform {
namespace {

HRSRC Find(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
  std::u16string type_text;
  std::u16string name_text;
  ResourceKey type_key{};
  ResourceKey name_key{};
  const ModuleResources* resources = ResourcesOf(module);
  if (resources == nullptr) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  if (!ParseResourceKey(type, type_text, type_key) || !resources->HasType(type_key)) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
  }
  const ResourceEntry* entry =
      ParseResourceKey(name, name_text, name_key) ? resources->Find(type_key, name_key, language)
                                                  : nullptr;
  if (entry == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(entry));
}

// The entry of a resource handle, when it is one of the module's.
const ResourceEntry* EntryOf(HMODULE module, HRSRC resource) {
  const ModuleResources* resources = ResourcesOf(module);
  const auto* entry = reinterpret_cast<const ResourceEntry*>(resource);
  if (resources == nullptr || resource == nullptr || !resources->Contains(entry)) return nullptr;
  return entry;
}

}  // namespace
}  // namespace platform

extern "C" {

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
  return platform::Find(module, type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

HRSRC FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
  return platform::Find(module, type, name, language);
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
  const platform::ResourceEntry* entry = platform::EntryOf(module, resource);
  if (entry == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return const_cast<BYTE*>(entry->data);
}

LPVOID LockResource(HGLOBAL data) {
  return data;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
  const platform::ResourceEntry* entry = platform::EntryOf(module, resource);
  if (entry == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return entry->size;
}

BOOL FreeResource(HGLOBAL) {
  return FALSE;  // as on 32-bit Windows: resources are freed with their module
}

BOOL EnumResourceNamesW(HMODULE module, LPCWSTR type, ENUMRESNAMEPROCW callback,
                        LONG_PTR param) {
  if (callback == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const platform::ModuleResources* resources = platform::ResourcesOf(module);
  if (resources == nullptr) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return FALSE;
  }
  std::u16string type_text;
  platform::ResourceKey type_key{};
  if (!platform::ParseResourceKey(type, type_text, type_key) || !resources->HasType(type_key)) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
  }
  // One call per name (a name held in several languages is enumerated once). Names are
  // handed over in a buffer of their own, as the callback may keep or change it only for
  // the length of the call.
  const platform::ResourceEntry* previous = nullptr;
  std::u16string name_text;
  for (const platform::ResourceEntry* entry : resources->OfType(type_key)) {
    if (previous != nullptr && platform::CompareResourceKeys(previous->name, entry->name) == 0) {
      continue;
    }
    previous = entry;
    LPWSTR name = MAKEINTRESOURCEW(entry->name.id);
    if (entry->name.text != nullptr) {
      name_text = entry->name.text;
      name = name_text.data();
    }
    if (!callback(module, type, name, param)) {
      SetLastError(ERROR_RESOURCE_ENUM_USER_STOP);
      return FALSE;
    }
  }
  return TRUE;
}

}  // extern "C"
