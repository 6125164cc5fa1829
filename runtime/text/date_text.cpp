#include "runtime/text/date_text.h"

#include <optional>
#include <string_view>

#include "runtime/files/guarded_os_call.h"

namespace runtime {

namespace {

// Receives every clock reading of this file and carries every change to SetLocalTime.
SYSTEMTIME& ClockRecord() {
  static SYSTEMTIME record{};
  return record;
}

void ReadClockGuarded() {
  GuardedOsCall([] { GetLocalTime(&ClockRecord()); });
}

void WriteTwoDigits(char* out, unsigned value) {
  out[0] = static_cast<char>('0' + value / 10 % 10);
  out[1] = static_cast<char>('0' + value % 10);
}

// Three two-digit fields with a separator between them, as an owned text.
void PushThreeFields(StringWorkStack& stack, unsigned a, unsigned b, char separator, unsigned c) {
  char text[8];
  WriteTwoDigits(text, a);
  text[2] = separator;
  WriteTwoDigits(text + 3, b);
  text[5] = separator;
  WriteTwoDigits(text + 6, c);
  stack.PushCopy({text, sizeof text});
}

// Reads decimal digits up to the first non-digit; nothing when there is no digit. Large
// values stop at 65535, which no clock field accepts, rather than wrapping into range.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  std::optional<unsigned> Number() {
    std::size_t begin = at_;
    unsigned value = 0;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
      value = value * 10 + static_cast<unsigned>(text_[at_] - '0');
      if (value > 0xFFFF) value = 0xFFFF;
      ++at_;
    }
    if (at_ == begin) return std::nullopt;
    return value;
  }
  void SkipOneOf(std::string_view separators) {
    if (at_ < text_.size() && separators.find(text_[at_]) != std::string_view::npos) ++at_;
  }
  bool AtEnd() const { return at_ >= text_.size(); }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// Month, day and year into `time`; false when a field is missing.
bool ReadDate(std::string_view text, SYSTEMTIME& time) {
  FieldReader reader(text);
  std::optional<unsigned> month = reader.Number();
  if (!month) return false;
  reader.SkipOneOf("-/");
  std::optional<unsigned> day = reader.Number();
  if (!day) return false;
  reader.SkipOneOf("-/");
  std::optional<unsigned> year = reader.Number();
  if (!year) return false;
  // Two-digit years: 26 is 2026, 85 is 1985.
  if (*year < 1980) *year += 1900;
  if (*year < 1980) *year += 100;
  time.wMonth = static_cast<WORD>(*month);
  time.wDay = static_cast<WORD>(*day);
  time.wYear = static_cast<WORD>(*year > 0xFFFF ? 0xFFFF : *year);
  return true;
}

// Hour, and when more text follows, minute and then second; false when a field that is
// begun has no digit.
bool ReadTime(std::string_view text, SYSTEMTIME& time) {
  FieldReader reader(text);
  std::optional<unsigned> fields[3];
  fields[0] = reader.Number();
  if (!fields[0]) return false;
  for (int k = 1; k < 3 && !reader.AtEnd(); ++k) {
    reader.SkipOneOf(":");
    fields[k] = reader.Number();
    if (!fields[k]) return false;
  }
  time.wHour = static_cast<WORD>(*fields[0]);
  time.wMinute = static_cast<WORD>(fields[1].value_or(0));
  time.wSecond = static_cast<WORD>(fields[2].value_or(0));
  time.wMilliseconds = 0;
  return true;
}

std::int32_t MillisecondsIntoHour(const SYSTEMTIME& time) {
  return time.wMinute * 60000 + time.wSecond * 1000 + time.wMilliseconds;
}

}  // namespace

void DateText(StringWorkStack& stack) {
  ReadClockGuarded();
  const SYSTEMTIME& now = ClockRecord();
  char text[10];
  WriteTwoDigits(text, now.wMonth);
  text[2] = '-';
  WriteTwoDigits(text + 3, now.wDay);
  text[5] = '-';
  WriteTwoDigits(text + 6, now.wYear / 100);
  WriteTwoDigits(text + 8, now.wYear % 100);
  stack.PushCopy({text, sizeof text});
}

void TimeText(StringWorkStack& stack) {
  ReadClockGuarded();
  const SYSTEMTIME& now = ClockRecord();
  PushThreeFields(stack, now.wHour, now.wMinute, ':', now.wSecond);
}

void SetClockFromText(StringWorkStack& stack, ClockPart part) {
  ReadClockGuarded();
  SYSTEMTIME wanted = ClockRecord();
  const bool complete =
      part == ClockPart::kDate ? ReadDate(stack.View(0), wanted) : ReadTime(stack.View(0), wanted);
  stack.PopDiscard();
  if (!complete) return;
  ClockRecord() = wanted;
  GuardedOsCall([] { return SetLocalTime(&ClockRecord()); });
}

long double SecondsSinceMidnight() {
  SYSTEMTIME& now = ClockRecord();
  GetLocalTime(&now);
  const long double milliseconds =
      now.wHour * 3600000.0L + now.wMinute * 60000.0L + now.wSecond * 1000.0L + now.wMilliseconds;
  return milliseconds / 1000.0L;
}

std::int32_t MillisecondMarkAt(std::int32_t now, std::int32_t delay) {
  if (delay == 0) return kNoMark;
  const std::uint32_t capped =
      static_cast<std::uint32_t>(delay) > static_cast<std::uint32_t>(kLongestDelay)
          ? kLongestDelay
          : static_cast<std::uint32_t>(delay);
  return (now + static_cast<std::int32_t>(capped)) % kMillisecondsPerHour + 1;
}

std::int32_t MillisecondsUntilAt(std::int32_t now, std::int32_t mark) {
  if (mark > now) return mark - now;
  if (now - mark < 1000) return 0;
  return kMillisecondsPerHour - now + mark;
}

std::int32_t MillisecondMark(std::int32_t delay) {
  SYSTEMTIME& now = ClockRecord();
  GetLocalTime(&now);
  return MillisecondMarkAt(MillisecondsIntoHour(now), delay);
}

std::int32_t MillisecondsUntil(std::int32_t mark) {
  SYSTEMTIME& now = ClockRecord();
  GetLocalTime(&now);
  return MillisecondsUntilAt(MillisecondsIntoHour(now), mark);
}

}  // namespace runtime
