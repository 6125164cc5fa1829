// The registry of resource tables and the look-ups over one module's resources.
#include "platform/kernel/resource_table.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "platform/kernel/modules.h"

namespace platform {
namespace {

// Registrations form a list that static initialisers push onto; nothing is ever removed.
std::atomic<const ResourceRegistration*> registrations{nullptr};

char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

int CompareNames(const char16_t* a, const char16_t* b) {
  for (;; ++a, ++b) {
    const char16_t x = UpperAscii(*a);
    const char16_t y = UpperAscii(*b);
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
}

bool EntryBefore(const ResourceEntry* a, const ResourceEntry* b) {
  if (int order = CompareResourceKeys(a->type, b->type); order != 0) return order < 0;
  if (int order = CompareResourceKeys(a->name, b->name); order != 0) return order < 0;
  return a->language < b->language;
}

std::vector<const ResourceEntry*> Sorted(std::vector<const ResourceEntry*> entries) {
  std::stable_sort(entries.begin(), entries.end(), EntryBefore);
  return entries;
}

const ModuleResources* ExecutableResources() {
  static const ModuleResources* const resources = [] {
    std::vector<const ResourceEntry*> entries;
    for (const ResourceRegistration* r = registrations.load(); r != nullptr; r = r->next) {
      for (const ResourceEntry& entry : r->entries) entries.push_back(&entry);
    }
    return entries.empty() ? nullptr : new ModuleResources(std::move(entries));
  }();
  return resources;
}

const ModuleResources* SystemResources() {
  static const ModuleResources* const resources = [] {
    std::vector<const ResourceEntry*> entries;
    for (const ResourceEntry& entry : kSystemResources) entries.push_back(&entry);
    return new ModuleResources(std::move(entries));
  }();
  return resources;
}

}  // namespace

ResourceRegistration::ResourceRegistration(std::span<const ResourceEntry> table)
    : entries(table) {
  next = registrations.load();
  while (!registrations.compare_exchange_weak(next, this)) {
  }
}

int CompareResourceKeys(const ResourceKey& a, const ResourceKey& b) {
  if (a.text != nullptr && b.text != nullptr) return CompareNames(a.text, b.text);
  if (a.text != nullptr) return -1;
  if (b.text != nullptr) return 1;
  return a.id == b.id ? 0 : (a.id < b.id ? -1 : 1);
}

bool ParseResourceKey(LPCWSTR argument, std::u16string& storage, ResourceKey& key) {
  if (argument == nullptr) return false;
  if (IS_INTRESOURCE(argument)) {
    key = {static_cast<WORD>(reinterpret_cast<ULONG_PTR>(argument)), nullptr};
    return true;
  }
  if (argument[0] == u'#') {
    // "#200" is the integer id 200, as the resource compiler and the loader read it.
    DWORD value = 0;
    const char16_t* digit = argument + 1;
    if (*digit == 0) return false;
    for (; *digit != 0; ++digit) {
      if (*digit < u'0' || *digit > u'9') return false;
      value = value * 10 + static_cast<DWORD>(*digit - u'0');
      if (value > 0xFFFF) return false;
    }
    key = {static_cast<WORD>(value), nullptr};
    return true;
  }
  storage.clear();
  for (const char16_t* c = argument; *c != 0; ++c) storage.push_back(UpperAscii(*c));
  key = {0, storage.c_str()};
  return true;
}

ModuleResources::ModuleResources(std::vector<const ResourceEntry*> entries)
    : entries_(Sorted(std::move(entries))) {}

bool ModuleResources::HasType(const ResourceKey& type) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const ResourceEntry* entry) {
    return CompareResourceKeys(entry->type, type) == 0;
  });
}

std::vector<const ResourceEntry*> ModuleResources::OfType(const ResourceKey& type) const {
  std::vector<const ResourceEntry*> found;
  for (const ResourceEntry* entry : entries_) {
    if (CompareResourceKeys(entry->type, type) == 0) found.push_back(entry);
  }
  return found;
}

const ResourceEntry* ModuleResources::Find(const ResourceKey& type, const ResourceKey& name,
                                           WORD language) const {
  const ResourceEntry* first = nullptr;
  for (const ResourceEntry* entry : entries_) {
    if (CompareResourceKeys(entry->type, type) != 0) continue;
    if (CompareResourceKeys(entry->name, name) != 0) continue;
    if (entry->language == language) return entry;
    if (first == nullptr) first = entry;
  }
  return first;
}

bool ModuleResources::Contains(const ResourceEntry* wanted) const {
  return std::find(entries_.begin(), entries_.end(), wanted) != entries_.end();
}

const ModuleResources* ResourcesOf(HMODULE module) {
  if (IsExecutableModule(module)) return ExecutableResources();
  if (module == SystemModule()) return SystemResources();
  return nullptr;
}

HMODULE SystemModule() {
  static const HMODULE user32 = GetModuleHandleW(u"USER32");
  return user32;
}

}  // namespace platform
