#include "platform/gdi/glyph_cache.h"

#include <list>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace platform::gdi {
namespace {

struct KeyHash {
  std::size_t operator()(const GlyphKey& key) const {
    std::uint64_t h = key.face_id;
    h = h * 0x9E3779B97F4A7C15ull + key.ppem_x;
    h = h * 0x9E3779B97F4A7C15ull + key.ppem_y;
    h = h * 0x9E3779B97F4A7C15ull + key.flags;
    h = h * 0x9E3779B97F4A7C15ull + static_cast<std::uint16_t>(key.angle);
    h = h * 0x9E3779B97F4A7C15ull + key.character;
    return static_cast<std::size_t>(h ^ (h >> 29));
  }
};

// Bookkeeping per entry beyond its coverage, so that many empty glyphs (spaces) count too.
constexpr std::size_t kEntryOverhead = 64;

std::size_t Cost(const Glyph& glyph) { return glyph.coverage.size() + kEntryOverhead; }

}  // namespace

struct GlyphCache::Impl {
  using Order = std::list<std::pair<GlyphKey, GlyphPtr>>;  // most recent first
  std::size_t budget;
  mutable std::mutex lock;
  Order order;
  std::unordered_map<GlyphKey, Order::iterator, KeyHash> index;
  std::size_t bytes = 0;

  void Trim() {
    while (bytes > budget && order.size() > 1) {
      bytes -= Cost(*order.back().second);
      index.erase(order.back().first);
      order.pop_back();
    }
  }
};

GlyphCache::GlyphCache(std::size_t byte_budget) : impl_(std::make_unique<Impl>()) {
  impl_->budget = byte_budget;
}

GlyphCache::~GlyphCache() = default;

GlyphPtr GlyphCache::Get(const GlyphKey& key, const std::function<Glyph()>& render) {
  {
    std::lock_guard guard(impl_->lock);
    auto it = impl_->index.find(key);
    if (it != impl_->index.end()) {
      if (it->second != impl_->order.begin()) {
        impl_->order.splice(impl_->order.begin(), impl_->order, it->second);
      }
      return it->second->second;
    }
  }
  auto glyph = std::make_shared<const Glyph>(render());
  std::lock_guard guard(impl_->lock);
  auto it = impl_->index.find(key);
  if (it != impl_->index.end()) return it->second->second;  // another thread was first
  impl_->order.emplace_front(key, glyph);
  impl_->index.emplace(key, impl_->order.begin());
  impl_->bytes += Cost(*glyph);
  impl_->Trim();
  return glyph;
}

GlyphPtr GlyphCache::Find(const GlyphKey& key) const {
  std::lock_guard guard(impl_->lock);
  auto it = impl_->index.find(key);
  return it != impl_->index.end() ? it->second->second : nullptr;
}

std::size_t GlyphCache::size() const {
  std::lock_guard guard(impl_->lock);
  return impl_->order.size();
}

std::size_t GlyphCache::bytes() const {
  std::lock_guard guard(impl_->lock);
  return impl_->bytes;
}

void GlyphCache::Clear() {
  std::lock_guard guard(impl_->lock);
  impl_->order.clear();
  impl_->index.clear();
  impl_->bytes = 0;
}

GlyphCache& SharedGlyphCache() {
  static GlyphCache* cache = new GlyphCache(4u << 20);  // lives until exit, used by any thread
  return *cache;
}

}  // namespace platform::gdi
