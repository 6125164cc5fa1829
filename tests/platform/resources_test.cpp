// FindResourceW and its companions over the resources this test program carries:
// vestralino's (icon group 200, manifest 1) and tests/platform/resources/extra.resources.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win32.h"

namespace {

const std::filesystem::path kResourceFolder =
    std::filesystem::path(VESTRALINO_SOURCE_DIR) / "resources";

std::vector<BYTE> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<BYTE> ResourceBytes(LPCWSTR name, LPCWSTR type) {
  HRSRC found = FindResourceW(nullptr, name, type);
  if (found == nullptr) return {};
  const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
  return {data, data + SizeofResource(nullptr, found)};
}

WORD Word(const std::vector<BYTE>& bytes, std::size_t at) {
  return static_cast<WORD>(bytes[at] | (bytes[at + 1] << 8));
}
DWORD Dword(const std::vector<BYTE>& bytes, std::size_t at) {
  return Word(bytes, at) | (static_cast<DWORD>(Word(bytes, at + 2)) << 16);
}

struct FindRow {
  const char* label;
  LPCWSTR name;
  LPCWSTR type;
  DWORD error;  // 0: found
};

TEST(Resources, FindResourceAnswersEachKindOfName) {
  const FindRow rows[] = {
      {"integer id", MAKEINTRESOURCEW(200), RT_GROUP_ICON, 0},
      {"# form", u"#200", RT_GROUP_ICON, 0},
      {"# form of the type", MAKEINTRESOURCEW(1), u"#24", 0},
      {"name in any case", u"Streak", RT_GROUP_ICON, 0},
      {"name of a custom type", u"SAMPLE", RT_RCDATA, 0},
      {"wrong type", MAKEINTRESOURCEW(200), RT_DIALOG, ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"null type", MAKEINTRESOURCEW(200), nullptr, ERROR_RESOURCE_TYPE_NOT_FOUND},
      {"missing id", MAKEINTRESOURCEW(201), RT_GROUP_ICON, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"missing name", u"NOSUCHICON", RT_GROUP_ICON, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"id of another type", u"#200", RT_BITMAP, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"# without digits", u"#", RT_GROUP_ICON, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"# with a letter", u"#20a", RT_GROUP_ICON, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"# beyond a word", u"#65736", RT_GROUP_ICON, ERROR_RESOURCE_NAME_NOT_FOUND},
      {"null name", nullptr, RT_GROUP_ICON, ERROR_RESOURCE_NAME_NOT_FOUND},
  };
  for (const FindRow& row : rows) {
    SetLastError(0);
    const HRSRC found = FindResourceW(GetModuleHandleW(nullptr), row.name, row.type);
    EXPECT_EQ(found == nullptr, row.error != 0) << row.label;
    EXPECT_EQ(GetLastError(), row.error) << row.label;
  }
  EXPECT_EQ(FindResourceW(nullptr, u"#200", RT_GROUP_ICON),
            FindResourceW(nullptr, MAKEINTRESOURCEW(200), RT_GROUP_ICON));
  // Another language falls back to the one the resource has.
  EXPECT_EQ(FindResourceExW(nullptr, RT_MANIFEST, MAKEINTRESOURCEW(1), MAKELANGID(0x0A, 1)),
            FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST));
}

TEST(Resources, ModulesWithoutResourcesHaveNone) {
  SetLastError(0);
  EXPECT_EQ(FindResourceW(GetModuleHandleA("KERNEL32"), u"#200", RT_GROUP_ICON), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);
  SetLastError(0);
  EXPECT_EQ(FindResourceW(reinterpret_cast<HMODULE>(0x1234), u"#200", RT_GROUP_ICON), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);
}

TEST(Resources, TheManifestIsTheFileByteForByte) {
  const std::vector<BYTE> file = FileBytes(kResourceFolder / "vestralino.manifest");
  ASSERT_FALSE(file.empty());
  const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(SizeofResource(nullptr, found), file.size());
  EXPECT_EQ(ResourceBytes(MAKEINTRESOURCEW(1), RT_MANIFEST), file);
  EXPECT_FALSE(FreeResource(LoadResource(nullptr, found)));
}

TEST(Resources, TheIconGroupDirectoryIsStoredAsWindowsStoresIt) {
  // Icon group 200 holds one 128 x 128 image of 32 bits per pixel, kept as a DIB.
  const std::vector<BYTE> group = ResourceBytes(u"#200", RT_GROUP_ICON);
  ASSERT_EQ(group.size(), 6u + 14);
  EXPECT_EQ(Word(group, 0), 0);    // idReserved
  EXPECT_EQ(Word(group, 2), 1);    // idType: icon
  EXPECT_EQ(Word(group, 4), 1);    // idCount
  EXPECT_EQ(group[6], 128);        // bWidth
  EXPECT_EQ(group[7], 128);        // bHeight
  EXPECT_EQ(group[8], 0);          // bColorCount
  EXPECT_EQ(Word(group, 10), 1);   // wPlanes
  EXPECT_EQ(Word(group, 12), 32);  // wBitCount
  const WORD id = Word(group, 18);  // nID of the RT_ICON
  const std::vector<BYTE> image = ResourceBytes(MAKEINTRESOURCEW(id), RT_ICON);
  EXPECT_EQ(Dword(group, 14), image.size());  // dwBytesInRes
  ASSERT_GE(image.size(), 40u);
  // BITMAPINFOHEADER with colour and mask stacked, then the XOR and AND bits.
  EXPECT_EQ(Dword(image, 0), 40u);
  EXPECT_EQ(Dword(image, 4), 128u);
  EXPECT_EQ(Dword(image, 8), 256u);
  EXPECT_EQ(Word(image, 14), 32);
  EXPECT_EQ(Dword(image, 16), BI_RGB);
  EXPECT_EQ(image.size(), 40u + 128 * 128 * 4 + 16 * 128);
}

TEST(Resources, BitmapsAreStoredWithoutTheirFileHeader) {
  const std::vector<BYTE> file = FileBytes(std::filesystem::path(VESTRALINO_SOURCE_DIR) /
                                           "tests/platform/resources/checker.bmp");
  ASSERT_GT(file.size(), 14u);
  EXPECT_EQ(ResourceBytes(u"checker", RT_BITMAP), std::vector<BYTE>(file.begin() + 14, file.end()));
}

struct Enumerated {
  std::vector<std::u16string> names;
  int stop_after = -1;
};

// Names as they arrive: "#<id>" for integer ids, else the text.
BOOL Collect(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
  auto* seen = reinterpret_cast<Enumerated*>(param);
  if (IS_INTRESOURCE(name)) {
    const std::string id = "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
    seen->names.emplace_back(id.begin(), id.end());
  } else {
    seen->names.emplace_back(name);
  }
  return static_cast<int>(seen->names.size()) != seen->stop_after;
}

TEST(Resources, EnumResourceNamesGivesNamesThenIds) {
  Enumerated seen;
  EXPECT_TRUE(EnumResourceNamesW(nullptr, RT_GROUP_ICON, Collect,
                                 reinterpret_cast<LONG_PTR>(&seen)));
  EXPECT_EQ(seen.names, (std::vector<std::u16string>{u"STREAK", u"#200"}));

  Enumerated stopped;
  stopped.stop_after = 1;
  SetLastError(0);
  EXPECT_FALSE(EnumResourceNamesW(nullptr, RT_GROUP_ICON, Collect,
                                  reinterpret_cast<LONG_PTR>(&stopped)));
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_ENUM_USER_STOP);
  EXPECT_EQ(stopped.names.size(), 1u);

  SetLastError(0);
  EXPECT_FALSE(EnumResourceNamesW(nullptr, RT_DIALOG, Collect,
                                  reinterpret_cast<LONG_PTR>(&seen)));
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);

  Enumerated system;
  EXPECT_TRUE(EnumResourceNamesW(GetModuleHandleA("USER32"), RT_GROUP_ICON, Collect,
                                 reinterpret_cast<LONG_PTR>(&system)));
  EXPECT_EQ(system.names,
            (std::vector<std::u16string>{u"#32512", u"#32513", u"#32514", u"#32515", u"#32516"}));
}

TEST(Resources, ForeignResourceHandlesAreRefused) {
  const HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
  SetLastError(0);
  EXPECT_EQ(LoadResource(GetModuleHandleA("USER32"), manifest), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  int not_an_entry = 0;
  EXPECT_EQ(SizeofResource(nullptr, reinterpret_cast<HRSRC>(&not_an_entry)), 0u);
  EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
}

}  // namespace
