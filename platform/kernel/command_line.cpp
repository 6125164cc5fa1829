// GetCommandLineW and the quoting that builds its text.
#include "platform/kernel/command_line.h"

#include <unistd.h>

#include <climits>

#include "platform/kernel/process_arguments.h"
#include "platform/kernel/text_codecs.h"
#include "platform/win32.h"

namespace platform {
namespace {

bool NeedsQuotes(std::string_view text, std::string_view special) {
  return text.empty() || text.find_first_of(special) != std::string_view::npos;
}

// The running executable's own path: the program name when none was recorded (a test
// program's main does not record its arguments).
std::string ExecutablePath() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace

std::string QuoteProgramName(std::string_view name) {
  std::string bare;
  bare.reserve(name.size());
  for (char c : name) {
    if (c != '"') bare.push_back(c);
  }
  if (!NeedsQuotes(bare, " \t")) return bare;
  return '"' + bare + '"';
}

std::string QuoteArgument(std::string_view argument) {
  if (!NeedsQuotes(argument, " \t\n\v\"")) return std::string(argument);
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count as escapes only right before a quote.
    if (c == '"') {
      quoted.append(backslashes * 2 + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, '\\');  // they precede the closing quote
  quoted.push_back('"');
  return quoted;
}

std::string BuildCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return QuoteProgramName(ExecutablePath());
  std::string line = QuoteProgramName(arguments[0]);
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    line.push_back(' ');
    line += QuoteArgument(arguments[i]);
  }
  return line;
}

}  // namespace platform

extern "C" {

LPWSTR GetCommandLineW() {
  // Built once and never destroyed: Windows gives the same pointer for the life of the
  // process, exit handlers included.
  static std::u16string* const line = [] {
    const std::string utf8 = platform::BuildCommandLine(platform::ProcessArguments());
    const auto counted = platform::Utf8ToUtf16(utf8.data(), utf8.size(), nullptr, 0, false);
    auto* wide = new std::u16string(counted.length, u'\0');
    platform::Utf8ToUtf16(utf8.data(), utf8.size(), wide->data(), wide->size(), false);
    return wide;
  }();
  return line->data();
}

}  // extern "C"
