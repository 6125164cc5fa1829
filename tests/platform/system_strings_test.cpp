#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "platform/win32.h"

namespace {

std::uint32_t LengthPrefix(BSTR text) {
  std::uint32_t length;
  std::memcpy(&length, reinterpret_cast<const char*>(text) - 4, sizeof length);
  return length;
}

TEST(SystemStrings, ByteStringsCarryTheirLengthAndTwoNuls) {
  const struct {
    const char* source;
    UINT bytes;
  } cases[] = {{"Comence el dia ", 15}, {"a", 1}, {"odd", 3}, {"x\0y", 3}, {"", 0}};
  for (const auto& c : cases) {
    BSTR text = SysAllocStringByteLen(c.source, c.bytes);
    ASSERT_NE(text, nullptr);
    const auto* bytes = reinterpret_cast<const char*>(text);
    EXPECT_EQ(LengthPrefix(text), c.bytes);
    EXPECT_EQ(SysStringByteLen(text), c.bytes);
    EXPECT_EQ(std::memcmp(bytes, c.source, c.bytes), 0);
    // Usable as a C string and as a wide string alike.
    EXPECT_EQ(bytes[c.bytes], '\0');
    EXPECT_EQ(bytes[c.bytes + 1], '\0');
    // The work stack keeps its borrowed mark in the lowest bit of these addresses.
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(text) % 2, 0u);
    SysFreeString(text);
  }
}

TEST(SystemStrings, UnfilledAndWideStrings) {
  BSTR blank = SysAllocStringByteLen(nullptr, 24);
  ASSERT_NE(blank, nullptr);
  EXPECT_EQ(SysStringByteLen(blank), 24u);
  std::memset(blank, 'r', 24);  // the caller fills it
  SysFreeString(blank);

  BSTR wide = SysAllocStringLen(u"Aceptar", 7);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(SysStringLen(wide), 7u);
  EXPECT_EQ(SysStringByteLen(wide), 14u);
  EXPECT_EQ(LengthPrefix(wide), 14u);
  EXPECT_EQ(std::u16string(wide), u"Aceptar");
  SysFreeString(wide);

  EXPECT_EQ(SysStringByteLen(nullptr), 0u);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);
  EXPECT_EQ(SysAllocStringByteLen(nullptr, 0xFFFFFFFFu), nullptr);
}

TEST(VariantClear, FreesAStringAndEmptiesTheVariant) {
  VARIANT v{};
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(u"texto", 5);
  ASSERT_NE(v.bstrVal, nullptr);
  EXPECT_EQ(VariantClear(&v), S_OK);  // the sanitizers see a leak if it was not freed
  EXPECT_EQ(v.vt, VT_EMPTY);
  EXPECT_EQ(v.bstrVal, nullptr);
  EXPECT_EQ(VariantClear(&v), S_OK);

  // A reference does not own its string.
  BSTR owned = SysAllocStringLen(u"x", 1);
  v.vt = VT_BSTR | VT_BYREF;
  v.byref = &owned;
  EXPECT_EQ(VariantClear(&v), S_OK);
  EXPECT_EQ(SysStringLen(owned), 1u);
  SysFreeString(owned);

  EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);
}

TEST(VariantClear, ReleasesAnObject) {
  struct Counted : IUnknown {
    ULONG references = 1;
    HRESULT QueryInterface(const IID&, void**) override { return E_INVALIDARG; }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }
  } object;
  VARIANT v{};
  v.vt = VT_UNKNOWN;
  v.punkVal = &object;
  EXPECT_EQ(VariantClear(&v), S_OK);
  EXPECT_EQ(object.references, 0u);
  EXPECT_EQ(v.vt, VT_EMPTY);
}

}  // namespace
