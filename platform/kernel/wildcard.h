// Windows file-name wildcards, as FindFirstFileW applies them.
//
// `*` matches any run of characters and `?` one character, with the DOS rules on top:
// "*.*" matches every name, dotted or not; a pattern ending in "." ("*.") matches names
// without an extension; "name.*" also matches "name"; `?`s before a dot or at the end may
// match fewer characters ("file??.txt" matches "file1.txt"). Letters compare without
// regard to case (ASCII).
#pragma once

#include <string_view>

namespace platform {

bool MatchesWildcard(std::u16string_view pattern, std::u16string_view name);

bool HasWildcards(std::u16string_view pattern);

}  // namespace platform
