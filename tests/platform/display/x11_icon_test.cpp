#include "platform/display/x11/x11_icon.h"

#include <gtest/gtest.h>

namespace platform::x11 {
namespace {

Icon Square(int side, std::uint32_t argb) {
  Icon icon;
  icon.width = icon.height = side;
  icon.has_alpha = true;
  icon.argb.assign(static_cast<std::size_t>(side) * side, argb);
  icon.mask.assign(icon.argb.size(), 0);  // decoded icons always carry one
  return icon;
}

TEST(X11IconTest, EachSizeIsWidthHeightThenArgbRows) {
  Icon red = Square(8, 0xFFFF0000);
  const int sizes[] = {2, 4};
  std::vector<std::uint32_t> data = NetWmIconData(red, sizes);
  ASSERT_EQ(data.size(), 2u + 4 + 2 + 16);
  EXPECT_EQ(data[0], 2u);
  EXPECT_EQ(data[1], 2u);
  EXPECT_EQ(data[2], 0xFFFF0000u);
  EXPECT_EQ(data[6], 4u);
  EXPECT_EQ(data[7], 4u);
  EXPECT_EQ(data.back(), 0xFFFF0000u);
}

TEST(X11IconTest, TransparencyFromTheMaskWhenTheIconHasNoAlpha) {
  Icon masked;
  masked.width = masked.height = 2;
  masked.argb = {0x00112233, 0x00445566, 0x00778899, 0x00AABBCC};
  masked.mask = {0, 1, 1, 0};
  const int sizes[] = {2};
  std::vector<std::uint32_t> data = NetWmIconData(masked, sizes);
  ASSERT_EQ(data.size(), 6u);
  EXPECT_EQ(data[2] >> 24, 0xFFu);
  EXPECT_EQ(data[3] >> 24, 0u);
  EXPECT_EQ(data[2] & 0xFFFFFF, 0x112233u);
}

TEST(X11IconTest, NothingForAnEmptyIconOrNoSizes) {
  const int sizes[] = {16, 0, -3};
  EXPECT_TRUE(NetWmIconData(Icon{}, sizes).empty());
  Icon one = Square(4, 0xFF000000);
  const int bad[] = {0, -3};
  EXPECT_TRUE(NetWmIconData(one, bad).empty());
}

TEST(X11IconTest, TheProgramIconIsTheLargeOneShrunkToEverySize) {
  std::vector<std::uint32_t> data = ProgramIconData(nullptr, kNetWmIconSizes);
  EXPECT_EQ(data.size(), 3u * 2 + 16 * 16 + 32 * 32 + 48 * 48);
  const int largest[] = {128};
  EXPECT_EQ(ProgramIconData(nullptr, largest).size(), 2u + 128 * 128);
}

}  // namespace
}  // namespace platform::x11
