// Icons and cursors: loading from the resources this program carries, from .ico files,
// the system's, the choice of size, and the life of handles.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/user/icon_image.h"
#include "platform/user/icon_object.h"
#include "platform/win32.h"
#include "tests/support/temp_dir.h"

namespace {

std::vector<BYTE> ResourceBytes(LPCWSTR name, LPCWSTR type) {
  HRSRC found = FindResourceW(nullptr, name, type);
  if (found == nullptr) return {};
  const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
  return {data, data + SizeofResource(nullptr, found)};
}

SIZE SizeOf(HANDLE icon) {
  const platform::Icon* found = platform::FindIcon(static_cast<HICON>(icon));
  return found == nullptr ? SIZE{-1, -1} : SIZE{found->width, found->height};
}

// An .ico file made of icon group 200 as it is embedded: the 16-byte file entries carry
// offsets where the group entries carry resource ids.
std::vector<BYTE> IcoFileOfGroup200() {
  const std::vector<BYTE> group = ResourceBytes(u"#200", RT_GROUP_ICON);
  const std::size_t count = group[4];
  std::vector<BYTE> file(group.begin(), group.begin() + 6);
  std::vector<BYTE> images;
  for (std::size_t i = 0; i < count; ++i) {
    const BYTE* entry = &group[6 + 14 * i];
    const std::vector<BYTE> image =
        ResourceBytes(MAKEINTRESOURCEW(static_cast<WORD>(entry[12] | (entry[13] << 8))), RT_ICON);
    const DWORD offset = static_cast<DWORD>(6 + 16 * count + images.size());
    file.insert(file.end(), entry, entry + 12);
    for (int b = 0; b < 4; ++b) file.push_back(static_cast<BYTE>(offset >> (8 * b)));
    images.insert(images.end(), image.begin(), image.end());
  }
  file.insert(file.end(), images.begin(), images.end());
  return file;
}

class Icons : public ::testing::Test {
 protected:
  void SetUp() override { live_before_ = platform::LiveIconCount(); }
  void TearDown() override { EXPECT_EQ(platform::LiveIconCount(), live_before_) << "leaked"; }

  std::u16string WriteFile(const std::string& name, const std::vector<BYTE>& bytes) {
    const std::string path = dir_.path() + "/" + name;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), out);  // data() may be null
    std::fclose(out);
    return std::u16string(path.begin(), path.end());
  }

  testing_support::TempDir dir_;
  int live_before_ = 0;
};

struct SizeRow {
  int cx, cy;
  UINT flags;
  LONG width, height;
};

TEST_F(Icons, LoadImageGivesTheRequestedSize) {
  const SizeRow rows[] = {
      {32, 32, 0, 32, 32},     {16, 16, 0, 16, 16},     {48, 48, 0, 48, 48},
      {24, 24, 0, 24, 24},     {0, 0, 0, 128, 128},     {0, 0, LR_DEFAULTSIZE, 32, 32},
      {300, 300, 0, 300, 300}, {128, 128, 0, 128, 128}, {0, 16, 0, 128, 16},
  };
  for (const SizeRow& row : rows) {
    HANDLE icon =
        LoadImageW(GetModuleHandleW(nullptr), u"#200", IMAGE_ICON, row.cx, row.cy, row.flags);
    ASSERT_NE(icon, nullptr) << row.cx;
    EXPECT_EQ(SizeOf(icon).cx, row.width) << row.cx;
    EXPECT_EQ(SizeOf(icon).cy, row.height) << row.cx;
    EXPECT_TRUE(DestroyIcon(static_cast<HICON>(icon)));
  }
}

TEST_F(Icons, AResizedIconIsTheResampledSourceAndDiesCleanlyUnseen) {
  const std::vector<BYTE> png = ResourceBytes(MAKEINTRESOURCEW(1), RT_ICON);
  ASSERT_FALSE(png.empty());
  auto source = platform::DecodeIconImage(png.data(), png.size(), true);
  ASSERT_NE(source, nullptr);
  const auto expected = platform::ResizedIcon(*source, 20, 12);
  HICON seen =
      platform::AddResizedIcon(platform::DecodeIconImage(png.data(), png.size(), true), 20, 12);
  const platform::Icon* found = platform::FindIcon(seen);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->width, 20);
  EXPECT_EQ(found->height, 12);
  EXPECT_EQ(found->argb, expected->argb);
  EXPECT_EQ(found->mask, expected->mask);
  EXPECT_EQ(platform::FindIcon(seen), found);  // resampled once
  EXPECT_TRUE(platform::RemoveIcon(seen));
  // Destroyed before anyone looked: nothing is resampled and nothing stays behind.
  HICON unseen =
      platform::AddResizedIcon(platform::DecodeIconImage(png.data(), png.size(), true), 8, 8);
  EXPECT_TRUE(platform::RemoveIcon(unseen));
  EXPECT_EQ(platform::FindIcon(unseen), nullptr);
}

// A window's big and small icon wait for their resampling on one decoded image; either
// may go first without taking the image from the other.
TEST_F(Icons, IconsOfOneResourceShareTheirSourceSafely) {
  for (bool big_goes_first : {true, false}) {
    HANDLE big = LoadImageW(GetModuleHandleW(nullptr), u"#200", IMAGE_ICON, 32, 32, 0);
    HANDLE small = LoadImageW(GetModuleHandleW(nullptr), u"#200", IMAGE_ICON, 16, 16, 0);
    ASSERT_NE(big, nullptr);
    ASSERT_NE(small, nullptr);
    HANDLE first = big_goes_first ? big : small;
    HANDLE kept = big_goes_first ? small : big;
    EXPECT_TRUE(DestroyIcon(static_cast<HICON>(first)));
    const platform::Icon* icon = platform::FindIcon(static_cast<HICON>(kept));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width, big_goes_first ? 16 : 32);
    EXPECT_EQ(icon->argb.size(), static_cast<std::size_t>(icon->width * icon->width));
    EXPECT_TRUE(DestroyIcon(static_cast<HICON>(kept)));
  }
}

TEST_F(Icons, TheIconIsTransparentAroundItsPage) {
  HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(200), IMAGE_ICON, 32, 32, 0));
  const platform::Icon* found = platform::FindIcon(icon);
  ASSERT_NE(found, nullptr);
  EXPECT_TRUE(found->has_alpha);
  EXPECT_EQ(found->Alpha(0, 31), 0u);  // below the page, left of its shadow
  EXPECT_EQ(found->Alpha(16, 20), 255u);
  DestroyIcon(icon);
}

TEST_F(Icons, MissingNamesAndWrongArgumentsFail) {
  struct Row {
    LPCWSTR name;
    UINT type;
    int cx;
    DWORD error;
  } rows[] = {
      {u"NOSUCHICON", IMAGE_ICON, 32, ERROR_RESOURCE_NAME_NOT_FOUND},
      {MAKEINTRESOURCEW(201), IMAGE_ICON, 32, ERROR_RESOURCE_NAME_NOT_FOUND},
      {u"#200", IMAGE_CURSOR, 32, ERROR_RESOURCE_TYPE_NOT_FOUND},
      {u"#200", 7, 32, ERROR_INVALID_PARAMETER},
      {u"#200", IMAGE_ICON, -1, ERROR_INVALID_PARAMETER},
      {nullptr, IMAGE_ICON, 32, ERROR_INVALID_PARAMETER},
  };
  for (const Row& row : rows) {
    SetLastError(0);
    EXPECT_EQ(LoadImageW(GetModuleHandleW(nullptr), row.name, row.type, row.cx, row.cx, 0),
              nullptr);
    EXPECT_EQ(GetLastError(), row.error);
  }
}

TEST_F(Icons, SharedIconsAreMadeOnceAndOutliveDestroyIcon) {
  HANDLE first = LoadImageW(GetModuleHandleW(nullptr), u"streak", IMAGE_ICON, 16, 16, LR_SHARED);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(LoadImageW(GetModuleHandleW(nullptr), u"STREAK", IMAGE_ICON, 16, 16, LR_SHARED), first);
  EXPECT_TRUE(DestroyIcon(static_cast<HICON>(first)));
  EXPECT_EQ(SizeOf(first).cx, 16);
  live_before_ = platform::LiveIconCount();  // shared icons live for the process
}

TEST_F(Icons, DestroyIconRefusesDeadAndForeignHandles) {
  HICON icon =
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), u"#200", IMAGE_ICON, 16, 16, 0));
  HICON copy = CopyIcon(icon);
  ASSERT_NE(copy, nullptr);
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_EQ(SizeOf(copy).cx, 16);  // a copy is an icon of its own
  EXPECT_TRUE(DestroyIcon(copy));
  for (HICON dead :
       {icon, copy, static_cast<HICON>(nullptr), reinterpret_cast<HICON>(0x40000001)}) {
    SetLastError(0);
    EXPECT_FALSE(DestroyIcon(dead));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_CURSOR_HANDLE);
  }
  EXPECT_EQ(CopyIcon(icon), nullptr);
}

TEST_F(Icons, TheSystemIconsAndCursorsExist) {
  for (LPCWSTR id :
       {IDI_APPLICATION, IDI_ERROR, IDI_QUESTION, IDI_WARNING, IDI_INFORMATION, IDI_WINLOGO}) {
    HICON icon = LoadIconW(nullptr, id);
    EXPECT_EQ(SizeOf(icon).cx, 32) << reinterpret_cast<ULONG_PTR>(id);
    EXPECT_EQ(LoadIconW(nullptr, id), icon);
  }
  EXPECT_NE(LoadIconW(nullptr, IDI_HAND), LoadIconW(nullptr, IDI_QUESTION));
  HANDLE small = LoadImageW(nullptr, IDI_WARNING, IMAGE_ICON, 16, 16, LR_SHARED);
  EXPECT_EQ(SizeOf(small).cx, 16);
  for (LPCWSTR id : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_HAND, IDC_SIZEWE, IDC_NO}) {
    const platform::Icon* cursor = platform::FindIcon(LoadCursorW(nullptr, id));
    ASSERT_NE(cursor, nullptr) << reinterpret_cast<ULONG_PTR>(id);
    EXPECT_FALSE(cursor->is_icon);
  }
  EXPECT_EQ(platform::FindIcon(LoadCursorW(nullptr, IDC_IBEAM))->hotspot.x, 4);
  SetLastError(0);
  EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
  live_before_ = platform::LiveIconCount();
}

TEST(IconDirectory, LookupPicksTheNearestLargerSize) {
  // "streak" holds images 101 and 102, of 16 and 32 px; group 200 only image 1, of 128 px.
  std::vector<BYTE> streak = ResourceBytes(u"streak", RT_GROUP_ICON);
  std::vector<BYTE> group200 = ResourceBytes(u"#200", RT_GROUP_ICON);
  const struct {
    int cx;
    int streak_id;
    int group200_id;
  } rows[] = {{16, 101, 1},  {32, 102, 1}, {20, 102, 1}, {33, 102, 1},
              {300, 102, 1}, {0, 102, 1},  {1, 101, 1},  {128, 102, 1}};
  for (const auto& row : rows) {
    EXPECT_EQ(LookupIconIdFromDirectoryEx(streak.data(), TRUE, row.cx, row.cx, 0), row.streak_id)
        << row.cx;
    EXPECT_EQ(LookupIconIdFromDirectoryEx(group200.data(), TRUE, row.cx, row.cx, 0),
              row.group200_id)
        << row.cx;
  }
  EXPECT_EQ(LookupIconIdFromDirectory(streak.data(), TRUE), 102);
  EXPECT_EQ(LookupIconIdFromDirectoryEx(group200.data(), FALSE, 32, 32, 0), 0);  // not cursors
}

TEST_F(Icons, IcoFilesLoadAndMalformedOnesFailCleanly) {
  const std::vector<BYTE> good = IcoFileOfGroup200();
  HANDLE icon =
      LoadImageW(nullptr, WriteFile("good.ico", good).c_str(), IMAGE_ICON, 48, 48, LR_LOADFROMFILE);
  EXPECT_EQ(SizeOf(icon).cx, 48);
  DestroyIcon(static_cast<HICON>(icon));

  auto broken = [&](auto change) {
    std::vector<BYTE> bytes = good;
    change(bytes);
    return bytes;
  };
  const std::size_t image = 6 + 16;  // the one 128 px DIB
  const std::vector<std::vector<BYTE>> malformed = {
      {},
      std::vector<BYTE>(good.begin(), good.begin() + 5),
      std::vector<BYTE>(good.begin(), good.begin() + 20),           // the entry cut short
      std::vector<BYTE>(good.begin(), good.begin() + image + 100),  // images cut short
      broken([](auto& b) { b[0] = 1; }),                            // idReserved
      broken([](auto& b) { b[2] = 2; }),                            // a cursor file
      broken([](auto& b) { b[4] = 200; }),                          // more entries than bytes
      broken([&](auto& b) { b[6 + 12 + 3] = 0x7F; }),               // offset far beyond
      broken([&](auto& b) { b[image + 14] = 7; }),                  // 7 bits per pixel
      broken([&](auto& b) {
        b[image + 8] = 0xFF;
        b[image + 11] = 0x7F;
      }),                                           // height
      broken([&](auto& b) { b[image + 16] = 3; }),  // compressed
  };
  for (std::size_t i = 0; i < malformed.size(); ++i) {
    const std::u16string path = WriteFile("bad" + std::to_string(i) + ".ico", malformed[i]);
    // The only image is damaged, so there is nothing to fall back on.
    EXPECT_EQ(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE), nullptr) << i;
  }
  SetLastError(0);
  EXPECT_EQ(LoadImageW(nullptr, u"/no/such/file.ico", IMAGE_ICON, 16, 16, LR_LOADFROMFILE),
            nullptr);
  EXPECT_NE(GetLastError(), 0u);
}

TEST(IconImage, CreateIconFromResourceRefusesTruncatedImages) {
  const std::vector<BYTE> image = ResourceBytes(MAKEINTRESOURCEW(1), RT_ICON);
  for (DWORD size : {DWORD{0}, DWORD{39}, DWORD{40}, static_cast<DWORD>(image.size() - 1)}) {
    std::vector<BYTE> cut(image.begin(), image.begin() + size);
    EXPECT_EQ(CreateIconFromResourceEx(cut.data(), size, TRUE, 0x30000, 0, 0, 0), nullptr) << size;
  }
  std::vector<BYTE> copy = image;
  HICON icon = CreateIconFromResourceEx(copy.data(), static_cast<DWORD>(copy.size()), TRUE, 0x30000,
                                        0, 0, 0);
  EXPECT_EQ(SizeOf(icon).cx, 128);
  DestroyIcon(icon);
}

// Shrinking, the slow way: each target pixel sums every source pixel with the 2-D weight
// of the cubic, stretched by the scale, over premultiplied colours.
double Cubic(double x) {
  x = std::fabs(x);
  return x < 1   ? 1.5 * x * x * x - 2.5 * x * x + 1
         : x < 2 ? -0.5 * x * x * x + 2.5 * x * x - 4 * x + 2
                 : 0;
}

std::uint32_t ShrunkPixel(const platform::Icon& icon, int width, int height, int x, int y) {
  const double sx = static_cast<double>(icon.width) / width;
  const double sy = static_cast<double>(icon.height) / height;
  double a = 0, r = 0, g = 0, b = 0, total = 0;
  for (int v = 0; v < icon.height; ++v) {
    for (int u = 0; u < icon.width; ++u) {
      const double w =
          Cubic((u + 0.5 - (x + 0.5) * sx) / sx) * Cubic((v + 0.5 - (y + 0.5) * sy) / sy);
      const std::uint32_t p = icon.argb[v * icon.width + u];
      const double alpha = (p >> 24) * w;
      a += alpha;
      r += ((p >> 16) & 0xFF) * alpha;
      g += ((p >> 8) & 0xFF) * alpha;
      b += (p & 0xFF) * alpha;
      total += w;
    }
  }
  auto byte = [](double v) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
  };
  const std::uint32_t alpha = byte(a / total);
  if (alpha == 0) return 0;
  return alpha << 24 | byte(r / a) << 16 | byte(g / a) << 8 | byte(b / a);
}

TEST(IconImage, ShrinkingMatchesTheSlowCubicReference) {
  std::mt19937 random(2024);
  for (int round = 0; round < 20; ++round) {
    platform::Icon icon;
    icon.width = 4 + static_cast<int>(random() % 13);
    icon.height = 4 + static_cast<int>(random() % 13);
    icon.has_alpha = true;
    for (int i = 0; i < icon.width * icon.height; ++i) {
      icon.argb.push_back(random() % 3 == 0 ? 0
                                            : static_cast<std::uint32_t>(random()) | 0x80000000);
      icon.mask.push_back(icon.argb.back() >> 24 == 0);
    }
    const int width = 1 + static_cast<int>(random() % icon.width);
    const int height = 1 + static_cast<int>(random() % icon.height);
    auto small = platform::ResizedIcon(icon, width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t got = small->argb[y * width + x];
        const std::uint32_t want = ShrunkPixel(icon, width, height, x, y);
        for (int shift : {24, 16, 8, 0}) {
          ASSERT_LE(std::abs(static_cast<int>((got >> shift) & 0xFF) -
                             static_cast<int>((want >> shift) & 0xFF)),
                    1)
              << round << ": " << x << "," << y << " " << std::hex << got << " " << want;
        }
      }
    }
  }
}

TEST(IconImage, GrowingByWholeNumbersRepeatsPixels) {
  platform::Icon icon;
  icon.width = 2;
  icon.height = 1;
  icon.has_alpha = true;
  icon.argb = {0x80FF0000, 0xFF00FF00};
  icon.mask = {0, 0};
  auto big = platform::ResizedIcon(icon, 6, 2);
  EXPECT_EQ(big->argb,
            (std::vector<std::uint32_t>{0x80FF0000, 0x80FF0000, 0x80FF0000, 0xFF00FF00, 0xFF00FF00,
                                        0xFF00FF00, 0x80FF0000, 0x80FF0000, 0x80FF0000, 0xFF00FF00,
                                        0xFF00FF00, 0xFF00FF00}));
}

}  // namespace
