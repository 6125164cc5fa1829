// Counted strings and the string work stack: ownership marks, moves versus copies,
// and the copies into fixed-size buffers. LeakSanitizer checks that owned slots are freed.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "runtime/frame/routine_frame.h"
#include "runtime/text/dyn_string.h"
#include "runtime/text/static_text.h"
#include "runtime/text/work_stack.h"

namespace runtime {
namespace {

constexpr StaticText kComence("Comence el dia ");

class WorkStackTest : public ::testing::Test {
 protected:
  DynString Text(std::string_view bytes) { return DynString::Copy(frame_.errors, bytes); }
  StringWorkStack& stack() { return frame_.strings; }

  RoutineFrame frame_;
};

TEST_F(WorkStackTest, LiteralJoinedWithEmptyVariableStaysBorrowedUntilAssigned) {
  DynString empty;
  for (bool literal_first : {true, false}) {
    SCOPED_TRACE(literal_first ? "literal + empty" : "empty + literal");
    if (literal_first) {
      stack().PushBorrowed(kComence);
      stack().PushBorrowed(empty);
    } else {
      stack().PushBorrowed(empty);
      stack().PushBorrowed(kComence);
    }
    stack().ConcatTop();
    ASSERT_EQ(stack().depth(), 1);
    EXPECT_TRUE(stack().Slot(0).borrowed());
    EXPECT_EQ(stack().Text(0), kComence.data());

    DynString variable;
    stack().PopAssign(variable);
    EXPECT_NE(variable.data(), kComence.data()) << "assigning a borrowed literal copies it";
    EXPECT_EQ(variable.view(), "Comence el dia ");
  }
}

TEST_F(WorkStackTest, ConcatenationMakesOneOwnedStringAndFreesOwnedInputs) {
  DynString start = Text("01/12/2026");
  stack().PushBorrowed(kComence);
  stack().PushBorrowed(start);
  stack().ConcatTop();
  stack().PushCopy("\r\n");
  stack().ConcatTop();
  ASSERT_EQ(stack().depth(), 1);
  EXPECT_FALSE(stack().Slot(0).borrowed());
  EXPECT_EQ(stack().View(0), "Comence el dia 01/12/2026\r\n");
  EXPECT_EQ(stack().Text(0)[stack().Length(0)], '\0');
  EXPECT_EQ(start.view(), "01/12/2026") << "a borrowed operand is left alone";
  stack().PopDiscard();
  EXPECT_EQ(frame_.errors.ErrorCode(), 0);
}

// A borrowed text that claims a length the allocator cannot give; its bytes are never
// read because the join fails before copying.
struct ClaimedText {
  alignas(4) std::uint32_t length;
  char bytes[4] = "abc";
};

TEST_F(WorkStackTest, JoinTooLongToAllocateLeavesTheSlotEmptyWithError7) {
  const std::uint32_t lengths[] = {0x40000000u, 0x3FFFFFFCu};  // past 2 GiB; past the allocator
  for (std::uint32_t length : lengths) {
    SCOPED_TRACE(length);
    ClaimedText huge{length};
    frame_.errors.ClearError();
    stack().PushBorrowedText(huge.bytes);
    stack().PushBorrowedText(huge.bytes);
    stack().ConcatTop();
    ASSERT_EQ(stack().depth(), 1);
    EXPECT_EQ(stack().Text(0), nullptr);
    EXPECT_EQ(frame_.errors.ErrorCode(), error::kOutOfMemory);
    stack().PopDiscard();
  }
}

// An owned slot is moved in, an equal length reuses the variable's block, anything else
// borrowed is copied; assigning a variable to itself or the empty string is safe.
TEST_F(WorkStackTest, AssignmentMovesReusesOrCopies) {
  DynString variable = Text("old");
  stack().PushCopy("fresh");
  const void* fresh = stack().Text(0);
  stack().PopAssign(variable);
  EXPECT_EQ(variable.data(), fresh);

  DynString other = Text("vwxyz");
  stack().PushBorrowed(other);
  stack().PopAssign(variable);
  EXPECT_EQ(variable.data(), fresh);
  EXPECT_EQ(variable.view(), "vwxyz");

  const char* before = variable.data();
  stack().PushBorrowed(variable);
  stack().PopAssign(variable);
  EXPECT_EQ(variable.data(), before);
  EXPECT_EQ(variable.view(), "vwxyz");

  DynString empty;
  stack().PushBorrowed(empty);
  stack().PopAssign(variable);
  EXPECT_EQ(variable.data(), nullptr);
}

TEST_F(WorkStackTest, PopToCBufferCutsTerminatesAndLeavesTheRestAlone) {
  struct Case {
    std::string_view text;
    std::uint32_t size;
    std::string_view stored;  // bytes before the terminator
  };
  const Case cases[] = {
      {"Comence el dia ", 12, "Comence el "},
      {"Comence el dia ", 0, "Comence el dia "},  // 0 = unlimited
      {std::string_view("ab\0cd", 5), 10, "ab"},  // stops after the NUL
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\" into " << c.size);
    char buffer[300];
    std::memset(buffer, 0xAA, sizeof buffer);
    stack().PushCopy(c.text);
    stack().PopToCBuffer(buffer, c.size);
    EXPECT_EQ(std::string_view(buffer, c.stored.size()), c.stored);
    EXPECT_EQ(buffer[c.stored.size()], '\0');
    for (std::size_t i = c.stored.size() + 1; i < sizeof buffer; ++i) {
      ASSERT_EQ(static_cast<unsigned char>(buffer[i]), 0xAA) << "byte " << i << " was touched";
    }
    EXPECT_EQ(stack().depth(), 0);
  }
}

TEST_F(WorkStackTest, PopToArgumentHandsOverOwnedAndCopiesBorrowed) {
  DynString variable = Text("path");
  stack().PushBorrowed(variable);
  EXPECT_NE(stack().PopToArgument().data(), variable.data());
  stack().PushCopy("owned");
  const void* owned = stack().Text(0);
  EXPECT_EQ(stack().PopToArgument().data(), owned);
}

TEST_F(WorkStackTest, PopToPaddedFieldFillsWithSpacesOrZeros) {
  char field[8];
  stack().PushCopy("abc");
  stack().PopToPaddedField(field, sizeof field);
  EXPECT_EQ(std::string_view(field, 8), "abc     ");
  stack().PushCopy("abcdefghij");
  stack().PopToPaddedField(field, sizeof field, '\0');
  EXPECT_EQ(std::string_view(field, 8), "abcdefgh");
}

TEST_F(WorkStackTest, PushFromCStringCopiesUpToTheFirstNul) {
  const char empty_buffer[4] = {'\0', 'x', 'y', 'z'};
  stack().PushFromCString(empty_buffer);
  EXPECT_EQ(stack().Text(0), nullptr);
  const char buffer[] = "C:\\dir\0tail";
  stack().PushFromCString(buffer);
  EXPECT_EQ(stack().View(0), "C:\\dir");
  EXPECT_FALSE(stack().Slot(0).borrowed());
  EXPECT_NE(stack().Text(0), buffer);
}

TEST_F(WorkStackTest, WideConversionRoundTripsAndEmptyStaysNull) {
  DynString empty;
  stack().PushBorrowed(empty);
  stack().SlotToWide(0);
  EXPECT_EQ(stack().WideText(0), nullptr) << "W functions receive a null pointer";
  stack().PopDiscard();

  DynString name = Text("quembral.log");
  stack().PushBorrowed(kComence);
  stack().PushBorrowed(name);
  stack().SlotToWide(1);
  stack().SlotToWide(0);
  EXPECT_EQ(stack().Length(0), 24u) << "wide lengths are in bytes";
  EXPECT_EQ(std::u16string_view(stack().WideText(0), 12), u"quembral.log");
  EXPECT_EQ(std::u16string_view(stack().WideText(1), 15), u"Comence el dia ");
  EXPECT_EQ(name.view(), "quembral.log") << "the borrowed variable is not converted";
  stack().PopDiscard();
  stack().PopDiscard();
}

#ifndef NDEBUG
TEST(WorkStackDeathTest, SixthPushStopsWithAClearMessage) {
  EXPECT_DEATH(
      {
        RoutineFrame frame;
        for (int i = 0; i < 6; ++i) frame.strings.PushBorrowed(kComence);
      },
      "string work stack would pass five slots");
}
#endif

}  // namespace
}  // namespace runtime
