#include "platform/display/script.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace platform {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// One UTF-8 character: its code point, or nothing when `s` is not exactly one.
std::optional<char32_t> SingleCharacter(std::string_view s) {
  if (s.empty()) return std::nullopt;
  auto lead = static_cast<unsigned char>(s[0]);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || s.size() != length || lead > 0xF4) return std::nullopt;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    auto next = static_cast<unsigned char>(s[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  return code;
}

std::string Problem(int line, std::string_view what, std::string_view text) {
  std::string out = "script line " + std::to_string(line) + ": ";
  out.append(what).append(": ").append(text);
  return out;
}

// The whole file, or nullopt when it cannot be read. Plain stdio: the C++ streams would
// bring their locale set-up into every start of the program.
std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string contents;
  char chunk[4096];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) contents.append(chunk, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return contents;
}

}  // namespace

std::optional<BoxKey> ParseKeyName(std::string_view name) {
  struct Named {
    const char* name;
    KeyName key;
  };
  static constexpr Named kNames[] = {
      {"tab", KeyName::kTab},   {"enter", KeyName::kEnter}, {"escape", KeyName::kEscape},
      {"left", KeyName::kLeft}, {"right", KeyName::kRight}, {"up", KeyName::kUp},
      {"down", KeyName::kDown}, {"space", KeyName::kSpace}, {"alt+f4", KeyName::kAltF4},
      {"shift+tab", KeyName::kShiftTab}, {"f4", KeyName::kF4}, {"alt+down", KeyName::kAltDown},
      {"home", KeyName::kHome}, {"end", KeyName::kEnd}, {"pageup", KeyName::kPageUp},
      {"pagedown", KeyName::kPageDown}, {"backspace", KeyName::kBackspace},
      {"delete", KeyName::kDelete},
  };
  if (auto character = SingleCharacter(name)) return BoxKey{KeyName::kCharacter, *character};
  std::string lower = Lower(name);
  for (const Named& named : kNames) {
    if (lower == named.name) return BoxKey{named.key, 0};
  }
  return std::nullopt;
}

ParsedScript ParseScript(std::string_view source) {
  ParsedScript parsed;
  int line_number = 0;
  while (!source.empty()) {
    std::size_t end = source.find('\n');
    std::string_view line = Trim(source.substr(0, end));
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
    ++line_number;
    if (line.empty() || line.front() == '#') continue;

    std::size_t gap = line.find_first_of(" \t");
    std::string verb = Lower(line.substr(0, gap));
    std::string_view argument =
        gap == std::string_view::npos ? std::string_view() : Trim(line.substr(gap));

    ScriptAction action;
    action.line = line_number;
    bool needs_argument = true;
    bool ok = true;
    if (verb == "press") {
      action.verb = ScriptVerb::kPress;
      action.text = argument;
    } else if (verb == "type") {
      action.verb = ScriptVerb::kType;
      action.text = argument;
    } else if (verb == "capture") {
      action.verb = ScriptVerb::kCapture;
      action.text = argument;
    } else if (verb == "click") {
      action.verb = ScriptVerb::kClick;
      auto [rest, error] =
          std::from_chars(argument.data(), argument.data() + argument.size(), action.number);
      ok = error == std::errc() && rest == argument.data() + argument.size();
    } else if (verb == "key") {
      action.verb = ScriptVerb::kKey;
      auto key = ParseKeyName(argument);
      ok = key.has_value();
      if (ok) action.key = *key;
    } else if (verb == "answer") {
      action.verb = ScriptVerb::kAnswer;
      std::string word = Lower(argument);
      action.number = word == "yes"      ? IDYES
                      : word == "no"     ? IDNO
                      : word == "ok"     ? IDOK
                      : word == "cancel" ? IDCANCEL
                                         : 0;
      ok = action.number != 0;
    } else if (verb == "wait") {
      // No input for that many milliseconds (at most a minute): the program idles.
      action.verb = ScriptVerb::kWait;
      auto [rest, error] =
          std::from_chars(argument.data(), argument.data() + argument.size(), action.number);
      ok = error == std::errc() && rest == argument.data() + argument.size() &&
           action.number >= 0 && action.number <= 60000;
    } else if (verb == "close") {
      action.verb = ScriptVerb::kClose;
      needs_argument = false;
    } else {
      parsed.problems.push_back(Problem(line_number, "unknown action", line));
      continue;
    }
    // `type` may type nothing; every other action with an argument needs one.
    if (needs_argument && argument.empty() && action.verb != ScriptVerb::kType) ok = false;
    if (!needs_argument && !argument.empty()) ok = false;
    if (!ok) {
      parsed.problems.push_back(Problem(line_number, "bad argument", line));
      continue;
    }
    parsed.actions.push_back(std::move(action));
  }
  return parsed;
}

Script Script::Load(const std::string& path) {
  std::optional<std::string> contents = ReadWholeFile(path);
  if (!contents) {
    std::fprintf(stderr, "vestralino: cannot read the script %s\n", path.c_str());
    return Script();
  }
  ParsedScript parsed = ParseScript(*contents);
  for (const std::string& problem : parsed.problems) {
    std::fprintf(stderr, "vestralino: %s (skipped)\n", problem.c_str());
  }
  return Script(std::move(parsed.actions));
}

const ScriptAction* Script::Next() {
  if (used_up()) return nullptr;
  return &actions_[next_++];
}

}  // namespace platform
