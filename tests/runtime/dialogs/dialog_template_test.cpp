#include "runtime/dialogs/dialog_template.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "runtime/dialogs/dialog_placement.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/font_table.h"

namespace runtime {
namespace {

HWND FakeWindow() { return reinterpret_cast<HWND>(std::uintptr_t{0x1230}); }

FontRecord Font(std::u16string face, float size, LONG weight = 400, BYTE italic = 0,
                BYTE charset = 0) {
  FontRecord f{};
  for (std::size_t i = 0; i < face.size() && i < 31; ++i) f.font.lfFaceName[i] = face[i];
  f.size = size;
  f.font.lfWeight = weight;
  f.font.lfItalic = italic;
  f.font.lfCharSet = charset;
  return f;
}

std::uint32_t Word(const BYTE* b, int at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t Dword(const BYTE* b, int at) { return Word(b, at) | (Word(b, at + 2) << 16); }

TEST(DialogTemplateTest, CentredDefaultDialogIsWrittenByteForByte) {
  alignas(4) std::array<BYTE, kTemplateBufferSize> buffer;
  buffer.fill(0xCD);
  DWORD style = adjust_dialog_style(0, CENTRE_DEFAULT, CENTRE_DEFAULT, nullptr);
  std::size_t size = write_dialog_template(buffer.data(), style, 0, CENTRE_DEFAULT,
                                           CENTRE_DEFAULT, 122, 59, Font(u"MS Sans Serif", 8));
  const BYTE* b = buffer.data();
  const std::uint32_t header[] = {1, 0xFFFF};
  EXPECT_EQ(Word(b, 0), header[0]);
  EXPECT_EQ(Word(b, 2), header[1]);
  EXPECT_EQ(Dword(b, 4), 0u);            // helpID
  EXPECT_EQ(Dword(b, 8), 0u);            // exStyle
  EXPECT_EQ(Dword(b, 12), 0x80C008D4u);  // style
  EXPECT_EQ(Word(b, 16), 0u);            // no items
  EXPECT_EQ(Word(b, 18), 0u);            // x: the low half of 0x80000000
  EXPECT_EQ(Word(b, 20), 0u);
  EXPECT_EQ(Word(b, 22), 122u);
  EXPECT_EQ(Word(b, 24), 59u);
  EXPECT_EQ(Dword(b, 26), 0u);           // no menu, the standard class
  EXPECT_EQ(Dword(b, 30), 0x20u);        // title " "
  EXPECT_EQ(Word(b, 34), 8u);            // point size
  EXPECT_EQ(Word(b, 36), 400u);          // weight
  EXPECT_EQ(b[38], 0);                   // italic
  EXPECT_EQ(b[39], 0);                   // charset
  std::u16string face;
  for (int at = 40; Word(b, at) != 0; at += 2) face += static_cast<char16_t>(Word(b, at));
  EXPECT_EQ(face, u"MS Sans Serif");
  EXPECT_EQ(size, 40u + 2 * 14);
  EXPECT_EQ(b[size], 0xCD) << "nothing is written past the template";
}

TEST(DialogTemplateTest, FontAndSizeFieldsFollowTheRecord) {
  struct Case {
    FontRecord font;
    std::int32_t width;
    std::uint32_t point_size, weight, italic, charset, cx;
    std::size_t size;
  };
  const Case cases[] = {
      // 70000 units do not fit 16 bits: the template carries 70000 AND 0xFFFF.
      {Font(u"A", 8), 70000, 8, 400, 0, 0, 4464, 44},
      // Point sizes round to the nearest, ties to even.
      {Font(u"A", 8.5f), 1, 8, 400, 0, 0, 1, 44},
      {Font(u"A", 9.5f), 1, 10, 400, 0, 0, 1, 44},
      {Font(u"A", 11.4f, 700, 0xFF, 2), 1, 11, 700, 1, 2, 1, 44},
      {Font(u"A", 8, 0), 1, 8, 400, 0, 0, 1, 44},  // no weight: normal
      // A face of 31 characters (the longest kept) gives the largest template.
      {Font(std::u16string(40, u'x'), 8), 1, 8, 400, 0, 0, 1, kLargestTemplate},
  };
  for (const Case& c : cases) {
    alignas(4) std::array<BYTE, kTemplateBufferSize> buffer{};
    std::size_t size = write_dialog_template(buffer.data(), 0x80C000D4, 0x88, 5, -3, c.width,
                                             7, c.font);
    const BYTE* b = buffer.data();
    EXPECT_EQ(Dword(b, 8), 0x88u) << "the extended style goes in unchanged";
    EXPECT_EQ(Word(b, 18), 5u);
    EXPECT_EQ(Word(b, 20), 0xFFFDu);
    EXPECT_EQ(Word(b, 22), c.cx);
    EXPECT_EQ(Word(b, 34), c.point_size);
    EXPECT_EQ(Word(b, 36), c.weight);
    EXPECT_EQ(b[38], c.italic);
    EXPECT_EQ(b[39], c.charset);
    EXPECT_EQ(size, c.size);
    EXPECT_EQ(Word(b, static_cast<int>(size) - 2), 0u) << "the face ends with its zero";
  }
}

TEST(DialogTemplateTest, StyleAdjustmentRows) {
  const HWND none = nullptr;
  struct Case {
    DWORD style;
    std::int32_t x, y;
    HWND parent;
    DWORD expected;
  };
  const Case cases[] = {
      {0, CENTRE_DEFAULT, CENTRE_DEFAULT, none, 0x80C008D4},
      {0, CENTRE_DEFAULT, 30, none, 0x80C008D4},  // either coordinate asks for centring
      {0, 10, CENTRE_DEFAULT, none, 0x80C008D4},
      {0, 10, 30, none, 0x80C000D4},
      {0x10C80000, 0, 0, none, 0x00C80054},  // WS_VISIBLE removed: created hidden
      {0x80000002, 0, 0, none, 0x80000054},  // DS_SYSMODAL removed
      {0x40000001, 0, 0, FakeWindow(), 0x40000054},  // child: no DS_ABSALIGN
      {0xC0000001, 0, 0, FakeWindow(), 0x40000054},  // child: WS_POPUP removed
      {0x40000000, 0, 0, none, 0x80000054},          // child without parent: a popup
      {0x41000000, 0, 0, none, 0x81000054},          // WS_MAXIMIZE kept
  };
  for (const Case& c : cases) {
    EXPECT_EQ(adjust_dialog_style(c.style, c.x, c.y, c.parent), c.expected)
        << std::hex << c.style;
  }
}

TEST(DialogTemplateTest, ShowCommandFollowsTheStyle) {
  EXPECT_EQ(show_command_for_style(0x80C000D4), SW_SHOW);
  EXPECT_EQ(show_command_for_style(0x81C000D4), 3);  // SW_MAXIMIZE
  EXPECT_EQ(show_command_for_style(0xA0C000D4), 6);  // SW_MINIMIZE
  EXPECT_EQ(show_command_for_style(0xA1C000D4), 3);  // maximise wins
}

TEST(DialogPlacementTest, CentringNeverGoesBelowTheWorkAreaEdge) {
  struct Case {
    LONG low, high;
    std::int32_t size, expected;
  };
  const Case cases[] = {
      {0, 1024, 200, 412}, {0, 1023, 200, 411}, {100, 700, 200, 300},
      {0, 100, 200, 0},  // wider than the work area: 0, not negative
      {0, 100, 100, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(centred_coordinate(c.low, c.high, c.size), c.expected) << c.high << " " << c.size;
  }
}

TEST(DialogPlacementTest, NegativePositionsOnlyForControlChildren) {
  EXPECT_EQ(clamped_coordinate(0x40000000, -5), 0);
  EXPECT_EQ(clamped_coordinate(0x40000400, -5), -5);  // DS_CONTROL child
  EXPECT_EQ(clamped_coordinate(0x80000401, -5), 0);   // DS_CONTROL on a popup: clamped
  EXPECT_EQ(clamped_coordinate(0x40000000, 7), 7);
}

}  // namespace
}  // namespace runtime
