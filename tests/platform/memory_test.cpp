#include <cstring>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win32.h"

namespace {

TEST(Tls, OffersAtLeast1088IndexesThenRunsOut) {
  std::vector<DWORD> indexes;
  for (;;) {
    const DWORD index = TlsAlloc();
    if (index == TLS_OUT_OF_INDEXES) break;
    indexes.push_back(index);
    ASSERT_LT(indexes.size(), 100'000u);
  }
  EXPECT_GE(indexes.size(), 1088u);
  EXPECT_EQ(GetLastError(), ERROR_NO_MORE_ITEMS);
  for (DWORD index : indexes) EXPECT_TRUE(TlsFree(index));
}

TEST(Tls, ValuesArePerThreadAndNewIndexesReadNull) {
  const DWORD index = TlsAlloc();
  ASSERT_NE(index, TLS_OUT_OF_INDEXES);
  int here = 0;
  int there = 0;
  SetLastError(123);
  EXPECT_EQ(TlsGetValue(index), nullptr);
  EXPECT_EQ(GetLastError(), 0u) << "success clears the last error";
  ASSERT_TRUE(TlsSetValue(index, &here));
  std::thread other([&] {
    EXPECT_EQ(TlsGetValue(index), nullptr);
    EXPECT_TRUE(TlsSetValue(index, &there));
    EXPECT_EQ(TlsGetValue(index), &there);
  });
  other.join();
  EXPECT_EQ(TlsGetValue(index), &here);
  // A value left behind in a freed index does not show through its next owner.
  ASSERT_TRUE(TlsFree(index));
  const DWORD again = TlsAlloc();
  ASSERT_EQ(again, index);
  EXPECT_EQ(TlsGetValue(again), nullptr);
  EXPECT_TRUE(TlsFree(again));
}

TEST(Tls, BadIndexesAreRefused) {
  DWORD freed = TlsAlloc();
  ASSERT_TRUE(TlsFree(freed));
  for (DWORD index : {freed, DWORD{1088}, DWORD{5000}, TLS_OUT_OF_INDEXES}) {
    SetLastError(0);
    EXPECT_EQ(TlsGetValue(index), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    SetLastError(0);
    EXPECT_FALSE(TlsSetValue(index, &freed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    SetLastError(0);
    EXPECT_FALSE(TlsFree(index));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  }
}

TEST(GlobalMemory, ZeroInitialisedBlocksAreZero) {
  for (UINT flags : {GPTR, GMEM_ZEROINIT}) {
    auto* block = static_cast<unsigned char*>(GlobalAlloc(flags, 128));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 128; ++i) ASSERT_EQ(block[i], 0) << i;
    std::memset(block, 0xAB, 128);
    EXPECT_EQ(GlobalFree(block), nullptr);
  }
}

TEST(GlobalMemory, AnEmptyBlockIsStillABlock) {
  void* fixed = GlobalAlloc(GMEM_FIXED, 0);
  EXPECT_NE(fixed, nullptr);
  EXPECT_EQ(GlobalFree(fixed), nullptr);
}

TEST(Threads, EachThreadHasItsOwnId) {
  const DWORD mine = GetCurrentThreadId();
  EXPECT_EQ(mine, GetCurrentThreadId());
  DWORD theirs = mine;
  std::thread([&] { theirs = GetCurrentThreadId(); }).join();
  EXPECT_NE(theirs, mine);
}

TEST(GlobalMemory, FailuresAndBadFreesAreReported) {
  SetLastError(0);
  EXPECT_EQ(GlobalAlloc(GMEM_FIXED, ~SIZE_T{0}), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  SetLastError(0);
  EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 16), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  void* block = GlobalAlloc(GPTR, 16);
  ASSERT_EQ(GlobalFree(block), nullptr);
  int not_from_global_alloc = 0;
  for (void* bad : {block, static_cast<void*>(&not_from_global_alloc)}) {
    SetLastError(0);
    EXPECT_EQ(GlobalFree(bad), bad);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  }
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
}

}  // namespace
