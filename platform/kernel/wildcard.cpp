#include "platform/kernel/wildcard.h"

#include <vector>

namespace platform {
namespace {

// The pattern is first rewritten into these tokens, the way the Windows file system
// layer rewrites a Win32 pattern before matching:
//   `?`                      -> kDosQuestion
//   `.` before `?`, `*`, end -> kDosDot
//   `*` before `.`           -> kDosStar
//   other `*`                -> kStar
//   anything else            -> kLiteral
enum class Kind { kLiteral, kStar, kDosStar, kDosQuestion, kDosDot };

struct Token {
  Kind kind;
  char16_t literal;
};

std::vector<Token> Tokenize(std::u16string_view pattern) {
  std::vector<Token> tokens;
  tokens.reserve(pattern.size());
  for (std::u16string_view::size_type i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    const char16_t next = i + 1 < pattern.size() ? pattern[i + 1] : u'\0';
    Kind kind = Kind::kLiteral;
    if (c == u'?') {
      kind = Kind::kDosQuestion;
    } else if (c == u'.' && (next == u'?' || next == u'*' || next == u'\0')) {
      kind = Kind::kDosDot;
    } else if (c == u'*') {
      kind = next == u'.' ? Kind::kDosStar : Kind::kStar;
    }
    tokens.push_back({kind, c});
  }
  return tokens;
}

char16_t FoldCase(char16_t c) {
  return (c >= u'a' && c <= u'z') ? c - (u'a' - u'A') : c;
}

}  // namespace

bool HasWildcards(std::u16string_view pattern) {
  return pattern.find_first_of(u"*?") != std::u16string_view::npos;
}

// reachable[j] after step i: tokens[0..i) can match name[0..j). Names are at most a few
// hundred units, so the quadratic table is small.
bool MatchesWildcard(std::u16string_view pattern, std::u16string_view name) {
  // "*.*" is the classic "everything", including names without a dot.
  if (pattern == u"*.*") pattern = u"*";
  const std::vector<Token> tokens = Tokenize(pattern);
  const std::size_t n = name.size();
  const std::size_t last_dot = name.rfind(u'.');
  std::vector<bool> reachable(n + 1, false);
  std::vector<bool> next(n + 1, false);
  reachable[0] = true;
  for (const Token& token : tokens) {
    next.assign(n + 1, false);
    for (std::size_t j = 0; j <= n; ++j) {
      if (!reachable[j]) continue;
      switch (token.kind) {
        case Kind::kLiteral:
          if (j < n && FoldCase(name[j]) == FoldCase(token.literal)) next[j + 1] = true;
          break;
        case Kind::kStar:
          for (std::size_t k = j; k <= n; ++k) next[k] = true;
          break;
        case Kind::kDosStar:
          // Any run that does not swallow the name's last dot.
          for (std::size_t k = j; k <= n; ++k) {
            next[k] = true;
            if (last_dot != std::u16string_view::npos && k == last_dot) break;
          }
          break;
        case Kind::kDosQuestion:
          if (j < n) next[j + 1] = true;
          // Before a dot or at the end it may match nothing.
          if (j == n || name[j] == u'.') next[j] = true;
          break;
        case Kind::kDosDot:
          if (j < n && name[j] == u'.') next[j + 1] = true;
          if (j == n) next[j] = true;
          break;
      }
    }
    reachable.swap(next);
  }
  return reachable[n];
}

}  // namespace platform
