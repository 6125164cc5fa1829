#include "platform/gdi/glyph_cache.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace platform::gdi {
namespace {

Glyph BlankGlyph(int bytes) {
  Glyph glyph;
  glyph.width = bytes;
  glyph.height = 1;
  glyph.coverage.assign(static_cast<std::size_t>(bytes), 255);
  return glyph;
}

GlyphKey KeyOf(char32_t character) {
  GlyphKey key;
  key.face_id = 1;
  key.ppem_x = key.ppem_y = 11;
  key.character = character;
  return key;
}

TEST(GlyphCache, RendersOnceAndAnswersFromMemoryAfterwards) {
  GlyphCache cache(1 << 20);
  int renders = 0;
  const auto render = [&] {
    ++renders;
    return BlankGlyph(10);
  };
  const GlyphPtr first = cache.Get(KeyOf(U'a'), render);
  const GlyphPtr again = cache.Get(KeyOf(U'a'), render);
  EXPECT_EQ(first, again);
  EXPECT_EQ(renders, 1);
  GlyphKey other_size = KeyOf(U'a');
  other_size.ppem_y = 12;
  cache.Get(other_size, render);
  EXPECT_EQ(renders, 2);
  EXPECT_EQ(cache.size(), 2u);
}

TEST(GlyphCache, StaysWithinItsBudgetDroppingTheLeastRecentlyUsed) {
  GlyphCache cache(2000);
  const GlyphPtr kept = cache.Get(KeyOf(0), [] { return BlankGlyph(100); });
  for (char32_t c = 1; c < 200; ++c) {
    cache.Get(KeyOf(c), [] { return BlankGlyph(100); });
    cache.Get(KeyOf(0), [] { return BlankGlyph(100); });  // keeps 0 recent
  }
  EXPECT_LE(cache.bytes(), 2000u);
  int renders = 0;
  EXPECT_EQ(cache.Get(KeyOf(0), [&] { ++renders; return BlankGlyph(100); }), kept);
  cache.Get(KeyOf(1), [&] { ++renders; return BlankGlyph(100); });
  EXPECT_EQ(renders, 1) << "an old entry was dropped";
  EXPECT_EQ(kept->coverage.size(), 100u) << "a dropped glyph stays alive while held";
}

TEST(GlyphCache, ManyThreadsShareOneEntryPerKey) {
  GlyphCache cache(1 << 20);
  std::atomic<int> renders{0};
  std::vector<std::thread> threads;
  std::vector<GlyphPtr> seen(8);
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&, t] {
      for (char32_t c = 0; c < 300; ++c) {
        GlyphPtr glyph = cache.Get(KeyOf(c), [&] {
          ++renders;
          return BlankGlyph(4);
        });
        if (c == 7) seen[t] = glyph;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(cache.size(), 300u);
  EXPECT_GE(renders.load(), 300);
  for (const GlyphPtr& glyph : seen) EXPECT_EQ(glyph, seen[0]);
}

}  // namespace
}  // namespace platform::gdi
