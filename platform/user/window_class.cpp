#include "platform/user/window_class.h"

#include <mutex>
#include <vector>

namespace platform::user {
namespace {

struct Registry {
  std::recursive_mutex lock;  // a built-in registrar registers while a lookup holds it
  std::vector<std::shared_ptr<WindowClass>> classes;
  ATOM next_atom = 0xC000;  // string atoms live in 0xC000-0xFFFF, as in Windows
};

Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

// "#32770" names the atom 32770, as in Windows.
ATOM NumberedAtom(std::u16string_view name) {
  if (name.size() < 2 || name[0] != u'#') return 0;
  unsigned value = 0;
  for (char16_t c : name.substr(1)) {
    if (c < u'0' || c > u'9') return 0;
    value = value * 10 + (c - u'0');
    if (value > 0xFFFF) return 0;
  }
  return static_cast<ATOM>(value);
}

std::shared_ptr<WindowClass> Lookup(Registry& registry, LPCWSTR name_or_atom) {
  if (IS_INTRESOURCE(name_or_atom)) {
    auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name_or_atom));
    for (auto& c : registry.classes) {
      if (c->atom == atom) return c;
    }
    return nullptr;
  }
  std::u16string_view name = name_or_atom;
  for (auto& c : registry.classes) {
    if (SameClassName(c->name, name)) return c;
  }
  return nullptr;
}

}  // namespace

bool SameClassName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

std::shared_ptr<WindowClass> FindClass(LPCWSTR name_or_atom) {
  if (name_or_atom == nullptr) return nullptr;
  Registry& registry = TheRegistry();
  std::lock_guard hold(registry.lock);
  if (auto found = Lookup(registry, name_or_atom)) return found;
  for (const BuiltinClass& builtin : BuiltinClasses()) {
    bool named = IS_INTRESOURCE(name_or_atom)
                     ? NumberedAtom(builtin.name) ==
                           static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name_or_atom))
                     : SameClassName(builtin.name, name_or_atom);
    if (!named) continue;
    if (!builtin.register_class()) return nullptr;
    return Lookup(registry, builtin.name);
  }
  return nullptr;
}

std::shared_ptr<WindowClass> AddClass(WindowClass window_class) {
  Registry& registry = TheRegistry();
  std::lock_guard hold(registry.lock);
  if (Lookup(registry, window_class.name.c_str()) != nullptr) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return nullptr;
  }
  window_class.atom = NumberedAtom(window_class.name);
  if (window_class.atom == 0) {
    if (registry.next_atom == 0xFFFF) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    window_class.atom = registry.next_atom++;
  }
  auto added = std::make_shared<WindowClass>(std::move(window_class));
  registry.classes.push_back(added);
  return added;
}

bool RemoveClass(LPCWSTR name_or_atom) {
  Registry& registry = TheRegistry();
  std::lock_guard hold(registry.lock);
  auto found = name_or_atom == nullptr ? nullptr : Lookup(registry, name_or_atom);
  if (!found) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return false;
  }
  // Each window holds a reference; the registry holds one and `found` another.
  if (found.use_count() > 2) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return false;
  }
  found->registered = false;
  std::erase(registry.classes, found);
  return true;
}

}  // namespace platform::user
