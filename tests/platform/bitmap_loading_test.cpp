// LoadImageW of IMAGE_BITMAP: RT_BITMAP resources and .bmp files, as compatible bitmaps or
// DIB sections, stretched, with the classic greys mapped to the 3-D colours; malformed
// files fail cleanly.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gdi/gdi_object.h"
#include "platform/win32.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);

void Put16(std::vector<BYTE>& out, unsigned v) {
  out.push_back(static_cast<BYTE>(v));
  out.push_back(static_cast<BYTE>(v >> 8));
}
void Put32(std::vector<BYTE>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A .bmp file: BITMAPFILEHEADER, an info header (or the 12-byte core header), the masks or
// colour table, then `bits` (rows in memory order, DWORD aligned).
struct BmpFile {
  BmpFile(int width, int height, int depth, std::vector<COLORREF> colors, std::vector<BYTE> bits,
          DWORD compression = BI_RGB, std::vector<DWORD> masks = {}, bool core = false)
      : width(width),
        height(height),
        depth(depth),
        colors(std::move(colors)),
        bits(std::move(bits)),
        compression(compression),
        masks(std::move(masks)),
        core(core) {}

  int width = 0;
  int height = 0;  // negative: top-down
  int depth = 24;
  std::vector<COLORREF> colors;
  std::vector<BYTE> bits;
  DWORD compression = BI_RGB;
  std::vector<DWORD> masks;
  bool core = false;

  std::vector<BYTE> Bytes() const {
    std::vector<BYTE> dib;
    if (core) {
      Put32(dib, 12);
      Put16(dib, static_cast<unsigned>(width));
      Put16(dib, static_cast<unsigned>(height));
      Put16(dib, 1);
      Put16(dib, static_cast<unsigned>(depth));
    } else {
      Put32(dib, 40);
      Put32(dib, static_cast<std::uint32_t>(width));
      Put32(dib, static_cast<std::uint32_t>(height));
      Put16(dib, 1);
      Put16(dib, static_cast<unsigned>(depth));
      Put32(dib, compression);
      for (int i = 0; i < 3; ++i) Put32(dib, 0);
      Put32(dib, static_cast<std::uint32_t>(colors.size()));
      Put32(dib, 0);
    }
    for (DWORD mask : masks) Put32(dib, mask);
    for (COLORREF c : colors) {
      dib.push_back(GetBValue(c));
      dib.push_back(GetGValue(c));
      dib.push_back(GetRValue(c));
      if (!core) dib.push_back(0);
    }
    std::vector<BYTE> file = {'B', 'M'};
    Put32(file, static_cast<std::uint32_t>(14 + dib.size() + bits.size()));
    Put32(file, 0);
    Put32(file, static_cast<std::uint32_t>(14 + dib.size()));
    file.insert(file.end(), dib.begin(), dib.end());
    file.insert(file.end(), bits.begin(), bits.end());
    return file;
  }
};

// Red, green, blue over white, black, grey: 3 x 2 at 24 bpp, bottom-up.
BmpFile Checker() {
  return {3, 2, 24, {}, {0,    0,    0xFF, 0, 0xFF, 0, 0xFF, 0,    0,    0, 0, 0,    // bottom row
                         0xFF, 0xFF, 0xFF, 0, 0,    0, 0x80, 0x80, 0x80, 0, 0, 0}};  // top row
}
const std::vector<COLORREF> kCheckerPixels = {kWhite, kBlack, kGrey, kRed, kGreen, kBlue};

// A 256-entry colour table starting with `first` (core headers carry full tables).
std::vector<COLORREF> FullTable(std::vector<COLORREF> first) {
  first.resize(256, kBlack);
  return first;
}

// The bitmap's pixels, top-down, through GetDIBits.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap) {
  BITMAP bm{};
  if (GetObjectW(bitmap, sizeof bm, &bm) == 0) return {};
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);
  std::vector<COLORREF> pixels;
  for (std::uint32_t p : bits) pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  return pixels;
}

BITMAP BitmapOf(HBITMAP bitmap) {
  BITMAP bm{};
  GetObjectW(bitmap, sizeof bm, &bm);
  return bm;
}

class BitmapLoading : public ::testing::Test {
 protected:
  void SetUp() override { objects_before_ = platform::gdi::LiveObjectCount(); }
  void TearDown() override {
    EXPECT_EQ(platform::gdi::LiveObjectCount(), objects_before_) << "a GDI object leaked";
  }

  std::u16string Write(const std::string& name, const std::vector<BYTE>& bytes) {
    const std::string path = dir_.path() + "/" + name;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), out);  // data() may be null
    std::fclose(out);
    return std::u16string(path.begin(), path.end());
  }
  HBITMAP LoadFile(const BmpFile& file, UINT flags, int cx = 0, int cy = 0) {
    return static_cast<HBITMAP>(LoadImageW(nullptr, Write("image.bmp", file.Bytes()).c_str(),
                                           IMAGE_BITMAP, cx, cy, flags | LR_LOADFROMFILE));
  }

  testing_support::TempDir dir_;
  int objects_before_ = 0;
};

TEST_F(BitmapLoading, AResourceLoadsAsACompatibleBitmapOrADibSection) {
  HBITMAP compatible = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), u"checker", IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(compatible, nullptr);
  EXPECT_EQ(BitmapOf(compatible).bmBitsPixel, 32);
  EXPECT_EQ(BitmapOf(compatible).bmBits, nullptr);
  EXPECT_EQ(PixelsOf(compatible), kCheckerPixels);
  DeleteObject(compatible);

  HBITMAP section = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), u"CHECKER", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  DIBSECTION ds{};
  ASSERT_EQ(GetObjectW(section, sizeof ds, &ds), static_cast<int>(sizeof ds));
  EXPECT_EQ(ds.dsBm.bmBitsPixel, 24);
  EXPECT_EQ(ds.dsBmih.biHeight, 2);
  const std::vector<BYTE> bits = Checker().bits;
  EXPECT_EQ(std::vector<BYTE>(static_cast<BYTE*>(ds.dsBm.bmBits),
                              static_cast<BYTE*>(ds.dsBm.bmBits) + bits.size()),
            bits);
  EXPECT_EQ(PixelsOf(section), kCheckerPixels);
  DeleteObject(section);
}

TEST_F(BitmapLoading, ASizeStretchesToTheNearestPixels) {
  const std::vector<COLORREF> doubled = {
      kWhite, kWhite, kBlack, kBlack, kGrey, kGrey, kWhite, kWhite, kBlack, kBlack, kGrey, kGrey,
      kRed,   kRed,   kGreen, kGreen, kBlue, kBlue, kRed,   kRed,   kGreen, kGreen, kBlue, kBlue};
  for (UINT flags : {0u, LR_CREATEDIBSECTION}) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), u"checker", IMAGE_BITMAP, 6, 4, flags));
    EXPECT_EQ(BitmapOf(bitmap).bmWidth, 6);
    EXPECT_EQ(PixelsOf(bitmap), doubled) << flags;
    DeleteObject(bitmap);
  }
  HBITMAP one_row = LoadFile(Checker(), 0, 3, 1);  // cy only: the top row's samples
  EXPECT_EQ(PixelsOf(one_row), (std::vector<COLORREF>{kWhite, kBlack, kGrey}));
  DeleteObject(one_row);
}

TEST_F(BitmapLoading, TheClassicGreysBecomeTheThreeDColours) {
  // Five pixels at 4 bpp: black, the three classic greys, white.
  const BmpFile file{5,
                     1,
                     4,
                     {kBlack, RGB(128, 128, 128), RGB(192, 192, 192), RGB(223, 223, 223), kWhite},
                     {0x01, 0x23, 0x40, 0x00}};
  const COLORREF face = GetSysColor(COLOR_3DFACE);
  const struct {
    UINT flags;
    std::vector<COLORREF> pixels;
  } rows[] = {
      {0, {kBlack, RGB(128, 128, 128), RGB(192, 192, 192), RGB(223, 223, 223), kWhite}},
      {LR_LOADMAP3DCOLORS,
       {kBlack, GetSysColor(COLOR_3DSHADOW), face, GetSysColor(COLOR_3DLIGHT), kWhite}},
      {LR_LOADTRANSPARENT,
       {GetSysColor(COLOR_WINDOW), RGB(128, 128, 128), RGB(192, 192, 192), RGB(223, 223, 223),
        kWhite}},
      {LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS,
       {face, GetSysColor(COLOR_3DSHADOW), face, GetSysColor(COLOR_3DLIGHT), kWhite}},
  };
  for (const auto& row : rows) {
    for (UINT kind : {0u, LR_CREATEDIBSECTION}) {
      HBITMAP bitmap = LoadFile(file, row.flags | kind);
      EXPECT_EQ(PixelsOf(bitmap), row.pixels) << row.flags << " " << kind;
      DeleteObject(bitmap);
    }
  }
}

TEST_F(BitmapLoading, FilesOfEachFormatLoad) {
  const struct {
    const char* label;
    BmpFile file;
    UINT flags;
    int bits_pixel;
    std::vector<COLORREF> pixels;
  } rows[] = {
      {"1 bpp: a monochrome bitmap",
       {3, 1, 1, {kBlack, kWhite}, {0xA0, 0, 0, 0}},
       0,
       1,
       {kWhite, kBlack, kWhite}},
      {"1 bpp DIB section",
       {3, 1, 1, {kRed, kBlue}, {0xA0, 0, 0, 0}},
       LR_CREATEDIBSECTION,
       1,
       {kBlue, kRed, kBlue}},
      {"8 bpp, core header",
       {2, 1, 8, FullTable({kRed, kGreen, kBlue}), {2, 1, 0, 0}, BI_RGB, {}, true},
       LR_CREATEDIBSECTION,
       8,
       {kBlue, kGreen}},
      {"24 bpp top-down", {1, -2, 24, {}, {0, 0, 0xFF, 0, 0, 0xFF, 0, 0}}, 0, 32, {kRed, kGreen}},
      {"16 bpp 5-6-5",
       {2, 1, 16, {}, {0x00, 0xF8, 0x1F, 0x00}, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}},
       LR_CREATEDIBSECTION,
       16,
       {kRed, kBlue}},
      {"32 bpp", {1, 1, 32, {}, {0xFF, 0, 0, 0}}, 0, 32, {kBlue}},
      {"8 bpp run-length encoded: runs, a literal, end of row, end of image",
       {5, 2, 8, {kBlack, kRed, kGreen, kBlue},
        {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 2, 3, 0, 1}, BI_RLE8},
       LR_CREATEDIBSECTION,
       8,
       {kBlue, kBlue, kBlack, kBlack, kBlack, kRed, kRed, kRed, kGreen, kBlue}},
      {"8 bpp run-length encoded: a move, and a run past the row's end",
       {3, 3, 8, {kBlack, kRed, kGreen, kBlue}, {0, 2, 1, 1, 9, 3, 0, 1}, BI_RLE8},
       0,
       32,
       {kBlack, kBlack, kBlack, kBlack, kBlue, kBlue, kBlack, kBlack, kBlack}},
      {"4 bpp run-length encoded: alternating nibbles and a literal",
       {6, 1, 4, {kBlack, kRed, kGreen, kBlue}, {3, 0x12, 0, 3, 0x30, 0x20, 0, 1}, BI_RLE4},
       LR_CREATEDIBSECTION,
       4,
       {kRed, kGreen, kRed, kBlue, kBlack, kGreen}},
      {"colour as monochrome",
       Checker(),
       LR_MONOCHROME,
       1,
       {kWhite, kBlack, kWhite, kBlack, kBlack, kBlack}},
  };
  for (const auto& row : rows) {
    HBITMAP bitmap = LoadFile(row.file, row.flags);
    ASSERT_NE(bitmap, nullptr) << row.label;
    EXPECT_EQ(BitmapOf(bitmap).bmBitsPixel, row.bits_pixel) << row.label;
    EXPECT_EQ(PixelsOf(bitmap), row.pixels) << row.label;
    DeleteObject(bitmap);
  }
}

TEST_F(BitmapLoading, MalformedFilesFailCleanly) {
  const std::vector<BYTE> good = Checker().Bytes();
  auto changed = [&](std::size_t at, std::vector<BYTE> bytes) {
    std::vector<BYTE> file = good;
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
    return file;
  };
  const struct {
    const char* label;
    std::vector<BYTE> bytes;
  } rows[] = {
      {"empty", {}},
      {"not BM", changed(0, {'M', 'B'})},
      {"file header only", std::vector<BYTE>(good.begin(), good.begin() + 14)},
      {"info header cut short", std::vector<BYTE>(good.begin(), good.begin() + 40)},
      {"bits cut short", std::vector<BYTE>(good.begin(), good.end() - 1)},
      {"bits beyond the end", changed(10, {0xFF, 0xFF, 0, 0})},
      {"bits inside the header", changed(10, {20, 0, 0, 0})},
      {"header size 13", changed(14, {13})},
      {"header larger than the file", changed(14, {0xFF, 0xFF})},
      {"7 bits per pixel", changed(28, {7})},
      {"two planes", changed(26, {2})},
      {"run-length encoded at 24 bpp", changed(30, {BI_RLE8})},
      {"runs without the end mark",
       BmpFile{2, 1, 8, {kBlack, kRed}, {2, 1, 0, 0}, BI_RLE8}.Bytes()},
      {"a literal past the end", BmpFile{4, 1, 8, {kBlack, kRed}, {0, 4, 1, 1}, BI_RLE8}.Bytes()},
      {"a move cut short", BmpFile{4, 1, 8, {kBlack, kRed}, {0, 2, 1}, BI_RLE8}.Bytes()},
      {"run-length encoded top-down",
       BmpFile{2, -1, 8, {kBlack, kRed}, {2, 1, 0, 1}, BI_RLE8}.Bytes()},
      {"RLE4 at 8 bpp", BmpFile{2, 1, 8, {kBlack, kRed}, {2, 1, 0, 1}, BI_RLE4}.Bytes()},
      {"8192 x 8192 from two bytes of runs",
       BmpFile{8192, 8192, 8, {kBlack, kRed}, {0, 1}, BI_RLE8}.Bytes()},
      {"width 0", changed(18, {0, 0, 0, 0})},
      {"negative width", changed(18, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"height 0", changed(22, {0, 0, 0, 0})},
      {"huge", changed(18, {0, 0, 0, 0x40, 0, 0, 0, 0x40})},
      {"a row of 2^32 bits in a short file", changed(18, {0, 0, 0, 0x08, 1, 0, 0, 0, 1, 0, 32})},
      {"300 colours at 8 bpp",
       BmpFile{2, 1, 8, std::vector<COLORREF>(300, kRed), {0, 0, 0, 0}}.Bytes()},
      {"odd masks",
       BmpFile{1, 1, 32, {}, {0, 0, 0, 0}, BI_BITFIELDS, {0xFF, 0xFF00, 0xFF0000}}.Bytes()},
  };
  for (const auto& row : rows) {
    for (UINT flags : {0u, LR_CREATEDIBSECTION}) {
      SetLastError(0);
      const std::u16string path = Write("bad.bmp", row.bytes);
      EXPECT_EQ(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, flags | LR_LOADFROMFILE),
                nullptr)
          << row.label;
      EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA) << row.label;
    }
  }
  SetLastError(0);
  EXPECT_EQ(LoadImageW(nullptr, u"/no/such/image.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE),
            nullptr);
  EXPECT_NE(GetLastError(), 0u);
}

TEST_F(BitmapLoading, MissingResourcesAndSizesTooLargeFail) {
  const struct {
    HINSTANCE instance;
    LPCWSTR name;
    int cx;
    DWORD error;
  } rows[] = {
      {GetModuleHandleW(nullptr), u"nosuchbitmap", 0, ERROR_RESOURCE_NAME_NOT_FOUND},
      {GetModuleHandleW(nullptr), u"#200", 0, ERROR_RESOURCE_NAME_NOT_FOUND},  // an icon
      {nullptr, MAKEINTRESOURCEW(32754), 0, ERROR_RESOURCE_TYPE_NOT_FOUND},    // no OBM_ images
      {GetModuleHandleW(nullptr), u"checker", 1 << 20, ERROR_NOT_ENOUGH_MEMORY},
      {GetModuleHandleW(nullptr), u"checker", -3, ERROR_INVALID_PARAMETER},
  };
  for (const auto& row : rows) {
    SetLastError(0);
    EXPECT_EQ(LoadImageW(row.instance, row.name, IMAGE_BITMAP, row.cx, row.cx, 0), nullptr);
    EXPECT_EQ(GetLastError(), row.error);
  }
}

}  // namespace
