#include <malloc.h>

#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/oleaut/string_block_cache.h"
#include "platform/oleaut/system_strings.h"
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
  } cases[] = {{"Comence el dia ", 15}, {"x\0y", 3}, {"", 0}};
  for (const auto& c : cases) {
    BSTR text = SysAllocStringByteLen(c.source, c.bytes);
    ASSERT_NE(text, nullptr);
    const auto* bytes = reinterpret_cast<const char*>(text);
    EXPECT_EQ(LengthPrefix(text), c.bytes);
    EXPECT_EQ(std::memcmp(bytes, c.source, c.bytes), 0);
    // Usable as a C string and as a wide string alike.
    EXPECT_EQ(bytes[c.bytes], '\0');
    EXPECT_EQ(bytes[c.bytes + 1], '\0');
    // The work stack keeps its borrowed mark in the lowest bit of these addresses.
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(text) % 2, 0u);
    SysFreeString(text);
  }
}

TEST(SystemStrings, WideStringsAndNull) {
  BSTR wide = SysAllocStringLen(u"Aceptar", 7);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(SysStringLen(wide), 7u);
  EXPECT_EQ(LengthPrefix(wide), 14u);
  EXPECT_EQ(std::u16string(wide), u"Aceptar");
  SysFreeString(wide);

  SysFreeString(nullptr);
  EXPECT_EQ(SysAllocStringByteLen(nullptr, 0xFFFFFFFFu), nullptr);
}

// The block under a system string, as malloc sees it.
void* BlockOf(BSTR text) {
  return reinterpret_cast<char*>(text) - 4;
}

// Every size against every size freed before it: a reused block must hold the prefix, the
// text and the terminator, and come back with the new length and a fresh terminator.
TEST(SystemStringCache, ReusedBlocksFitAndAreTerminated) {
  platform::ReleaseKeptSystemStrings();
  for (UINT freed = 1; freed <= 300; freed += 13) {
    for (UINT wanted = 1; wanted <= 300; wanted += 11) {
      BSTR old_text = SysAllocStringByteLen(nullptr, freed);
      ASSERT_NE(old_text, nullptr);
      std::memset(old_text, 'x', freed + 2);  // the old terminator is overwritten too
      SysFreeString(old_text);
      BSTR text = SysAllocStringByteLen(nullptr, wanted);
      ASSERT_NE(text, nullptr);
      ASSERT_GE(malloc_usable_size(BlockOf(text)), 4 + wanted + 2)
          << "freed " << freed << ", wanted " << wanted;
      EXPECT_EQ(SysStringByteLen(text), wanted);
      const auto* bytes = reinterpret_cast<const char*>(text);
      EXPECT_EQ(bytes[wanted], '\0');
      EXPECT_EQ(bytes[wanted + 1], '\0');
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(text) % 2, 0u);
      SysFreeString(text);
    }
  }
  platform::ReleaseKeptSystemStrings();
}

TEST(SystemStringCache, TheNextStringOfAClassReusesTheLastBlockFreed) {
  if (!platform::SystemStringCacheEnabled()) GTEST_SKIP() << "no cache with AddressSanitizer";
  BSTR first = SysAllocStringByteLen("Llevo ", 6);
  SysFreeString(first);
  // A wide string of the same block size shares the class.
  BSTR again = SysAllocStringLen(u"dias", 4);
  EXPECT_EQ(again, first);
  EXPECT_EQ(SysStringByteLen(again), 8u);
  EXPECT_EQ(std::u16string(again), u"dias");
  SysFreeString(again);
  // Too large for any class: straight back to malloc.
  const std::size_t kept = platform::KeptSystemStringBlocks();
  SysFreeString(SysAllocStringByteLen(nullptr, 4096));
  EXPECT_EQ(platform::KeptSystemStringBlocks(), kept);
}

// A string made on one thread and freed on another is kept by the freeing thread, which
// releases it when it ends; the maker's cache never sees it.
TEST(SystemStringCache, StringsFreedOnAnotherThreadStayWithThatThread) {
  platform::ReleaseKeptSystemStrings();
  std::vector<BSTR> texts;
  for (UINT bytes = 1; bytes <= 240; bytes += 3)
    texts.push_back(SysAllocStringByteLen(nullptr, bytes));
  std::size_t kept_there = 0;
  std::size_t left_there = 1;
  std::thread([&] {
    for (BSTR text : texts) SysFreeString(text);
    kept_there = platform::KeptSystemStringBlocks();
    // The thread's cache is in use until the thread ends: a new string comes from it.
    SysFreeString(SysAllocStringByteLen(nullptr, 10));
    left_there = platform::KeptSystemStringBlocks();
  }).join();
  EXPECT_EQ(platform::KeptSystemStringBlocks(), 0u);
  if (platform::SystemStringCacheEnabled()) {
    EXPECT_GT(kept_there, 0u);
    EXPECT_LE(kept_there, platform::StringBlockCache::kClassCount *
                              platform::StringBlockCache::kBlocksPerClass);
    EXPECT_EQ(left_there, kept_there);
  }
}

// Memory held by a thread's cache goes back to malloc when the thread ends. Without the
// cache (AddressSanitizer builds) LeakSanitizer checks the same from the outside.
TEST(SystemStringCache, AThreadsBlocksAreFreedWhenItEnds) {
  if (!platform::SystemStringCacheEnabled()) GTEST_SKIP() << "no cache with AddressSanitizer";
  auto in_use = [] { return mallinfo2().uordblks; };
  // The first thread sets up whatever a thread costs once; the second is measured.
  for (int run = 0; run < 2; ++run) {
    const std::size_t before = in_use();
    std::size_t kept_there = 0;
    std::thread([&] {
      std::vector<BSTR> texts;
      for (int i = 0; i < 8; ++i) {
        for (UINT bytes = 10; bytes <= 250; bytes += 16) {
          texts.push_back(SysAllocStringByteLen(nullptr, bytes));
        }
      }
      for (BSTR text : texts) SysFreeString(text);
      kept_there = platform::KeptSystemStringBlocks();
    }).join();
    ASSERT_EQ(kept_there, platform::StringBlockCache::kClassCount *
                              platform::StringBlockCache::kBlocksPerClass);
    // 128 kept blocks hold about 17 KB; what stays in use must be far less.
    if (run == 1) {
      EXPECT_LT(in_use(), before + 4096);
    }
  }
}

// The cache on its own: blocks are kept per class up to the bound, refused before the
// owner opens the cache and after it closes it.
TEST(StringBlockCache, KeepsPerClassWithinTheBoundAndOnlyWhileOpen) {
  using platform::StringBlockCache;
  StringBlockCache cache;
  void* block = std::malloc(StringBlockCache::BlockSize(20));
  EXPECT_FALSE(cache.Keep(block, 20));  // never opened
  cache.Open();
  ASSERT_TRUE(cache.Keep(block, 20));
  EXPECT_EQ(cache.Take(16), nullptr);  // another class
  EXPECT_EQ(cache.Take(257), nullptr);
  EXPECT_EQ(StringBlockCache::BlockSize(257), 257u);  // past the largest class: exact
  EXPECT_EQ(cache.Take(32), block);
  EXPECT_EQ(cache.Take(32), nullptr);

  std::vector<void*> blocks;
  for (std::size_t i = 0; i <= StringBlockCache::kBlocksPerClass; ++i) {
    blocks.push_back(std::malloc(StringBlockCache::BlockSize(100)));
  }
  std::size_t refused = 0;
  for (void* b : blocks) {
    if (!cache.Keep(b, 100)) {
      std::free(b);
      ++refused;
    }
  }
  EXPECT_EQ(refused, 1u);
  EXPECT_EQ(cache.kept_blocks(), StringBlockCache::kBlocksPerClass);
  cache.Close();  // frees what it kept
  EXPECT_EQ(cache.kept_blocks(), 0u);
  EXPECT_FALSE(cache.Keep(block, 20));
  cache.Open();  // closed for good
  EXPECT_FALSE(cache.Keep(block, 20));
  std::free(block);
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

  EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);
}

TEST(VariantClear, ReleasesAnObjectButNotAReference) {
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

  // A reference does not own its string.
  BSTR owned = SysAllocStringLen(u"x", 1);
  v.vt = VT_BSTR | VT_BYREF;
  v.byref = &owned;
  EXPECT_EQ(VariantClear(&v), S_OK);
  EXPECT_EQ(SysStringLen(owned), 1u);
  SysFreeString(owned);
}

}  // namespace
