#include "runtime/dialogs/resource_names.h"

namespace runtime {
namespace {

char16_t FoldAscii(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

}  // namespace

WantedResource wanted_resource(std::u16string_view text) {
  if (text.empty() || text[0] != u'#') return {WantedResource::kName, 0, text};
  std::uint32_t id = 0;
  std::size_t digits = 0;
  for (std::size_t i = 1; i < text.size() && digits < 5; ++i, ++digits) {
    if (text[i] < u'0' || text[i] > u'9') break;
    id = id * 10 + (text[i] - u'0');
  }
  if (digits == 0) return {WantedResource::kNothing, 0, {}};
  return {WantedResource::kId, id, {}};
}

bool resource_name_matches(const WantedResource& wanted, LPCWSTR enumerated) {
  const auto value = reinterpret_cast<std::uintptr_t>(enumerated);
  if (value <= 0xFFFF) return wanted.form == WantedResource::kId && wanted.id == value;
  if (wanted.form != WantedResource::kName) return false;
  std::size_t i = 0;
  for (; enumerated[i] != 0; ++i) {
    if (i >= wanted.name.size() || FoldAscii(enumerated[i]) != FoldAscii(wanted.name[i])) {
      return false;
    }
  }
  return i == wanted.name.size();
}

}  // namespace runtime

#include "runtime/frame/process_state.h"

namespace runtime {
namespace {

struct Search {
  WantedResource wanted;
  std::int32_t found;
};

BOOL CompareName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR context) {
  auto* search = reinterpret_cast<Search*>(context);
  if (resource_name_matches(search->wanted, name)) search->found = -1;
  return TRUE;
}

}  // namespace

std::int32_t resource_exists(LPCWSTR type, std::u16string_view name) {
  Search search{wanted_resource(name), 0};
  if (search.wanted.form == WantedResource::kNothing) return 0;
  EnumResourceNamesW(Process().instance, type, &CompareName, reinterpret_cast<LONG_PTR>(&search));
  return search.found;
}

}  // namespace runtime
