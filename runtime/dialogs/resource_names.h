// Resource names as the toolkit's callers write them: a text names a resource by name,
// and "#" followed by decimal digits names an integer resource id ("#200").
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win32.h"

namespace runtime {

struct WantedResource {
  enum Form { kNothing, kId, kName } form;
  std::uint32_t id;        // kId: at most five digits, up to the first non-digit
  std::u16string_view name;  // kName: the text itself
};

// "#" with no digit after it names nothing.
WantedResource wanted_resource(std::u16string_view text);

// Whether a name handed out by EnumResourceNamesW is the wanted one: an integer id
// (value <= 0xFFFF) matches only an equal id; a string matches only a wanted name,
// compared with ASCII a-z folded to upper case and nothing else folded.
bool resource_name_matches(const WantedResource& wanted, LPCWSTR enumerated);

}  // namespace runtime

namespace runtime {

// -1 when the program's module has a resource of the type with that name, else 0 (also
// when it has no resource of the type at all). Every name is looked at: the enumeration
// runs to its end.
std::int32_t resource_exists(LPCWSTR type, std::u16string_view name);

}  // namespace runtime
