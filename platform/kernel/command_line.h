// The Windows command line made from a POSIX argument vector (platform-internal).
//
// Windows hands a program one line of text and lets it split the line itself, by the
// rules of CommandLineToArgvW. These functions quote each argument so that splitting the
// line gives the arguments back exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The program name is quoted when it is empty or holds a blank or tab. Windows splits it
// at the next quote without any escapes, so it cannot carry a quote: quotes are dropped.
std::string QuoteProgramName(std::string_view name);

// Any other argument: left bare unless empty or holding a blank, tab, newline, vertical
// tab or quote; otherwise enclosed in quotes, each quote escaped with a backslash and the
// backslashes that precede a quote (or the closing quote) doubled.
std::string QuoteArgument(std::string_view argument);

// The whole line, arguments separated by one blank; UTF-8 like its input.
std::string BuildCommandLine(const std::vector<std::string>& arguments);

}  // namespace platform
