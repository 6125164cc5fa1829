// The X11 keyboard's costs: reading one key press through the keymap and compose table,
// beside the bare xkbcommon look-up it adds its tables to; and making the translator
// from a compiled keymap (what the loading thread adds to xkbcommon's own compile).
#include <benchmark/benchmark.h>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include "platform/display/x11/xkb_key_translator.h"

namespace {

constexpr xkb_keycode_t kKeyA = 38;

struct Keymaps {
  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  xkb_keymap* spanish = nullptr;
  xkb_compose_table* compose = nullptr;
  Keymaps() {
    xkb_rule_names names{"evdev", "pc105", "es", "", nullptr};
    if (context != nullptr) {
      spanish = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
      compose =
          xkb_compose_table_new_from_locale(context, "en_US.UTF-8", XKB_COMPOSE_COMPILE_NO_FLAGS);
    }
  }
};

Keymaps& Shared() {
  static Keymaps keymaps;
  return keymaps;
}

void BM_TranslateKeyPress(benchmark::State& state) {
  Keymaps& k = Shared();
  if (k.spanish == nullptr || k.compose == nullptr) return state.SkipWithError("no XKB data");
  platform::x11::XkbKeyTranslator translator(k.spanish, k.compose);
  for (auto _ : state) {
    auto events = translator.Translate(kKeyA, 0x01, true);
    benchmark::DoNotOptimize(events);
  }
}
BENCHMARK(BM_TranslateKeyPress);

// Reference: the state update, keysym, character and compose step alone.
void BM_BareXkbLookup(benchmark::State& state) {
  Keymaps& k = Shared();
  if (k.spanish == nullptr || k.compose == nullptr) return state.SkipWithError("no XKB data");
  xkb_state* xs = xkb_state_new(k.spanish);
  xkb_compose_state* cs = xkb_compose_state_new(k.compose, XKB_COMPOSE_STATE_NO_FLAGS);
  for (auto _ : state) {
    xkb_state_update_mask(xs, 0x01, 0, 0, 0, 0, 0);
    xkb_keysym_t sym = xkb_state_key_get_one_sym(xs, kKeyA);
    xkb_compose_state_feed(cs, sym);
    benchmark::DoNotOptimize(xkb_keysym_to_utf32(sym));
  }
  xkb_compose_state_unref(cs);
  xkb_state_unref(xs);
}
BENCHMARK(BM_BareXkbLookup);

void BM_MakeTranslator(benchmark::State& state) {
  Keymaps& k = Shared();
  if (k.spanish == nullptr) return state.SkipWithError("no XKB data");
  for (auto _ : state) {
    platform::x11::XkbKeyTranslator translator(k.spanish, k.compose);
    benchmark::DoNotOptimize(&translator);
  }
}
BENCHMARK(BM_MakeTranslator)->Unit(benchmark::kMicrosecond);

// Reference: compiling the keymap itself, which the loading thread does first.
void BM_CompileKeymap(benchmark::State& state) {
  Keymaps& k = Shared();
  if (k.context == nullptr) return state.SkipWithError("no XKB context");
  xkb_rule_names names{"evdev", "pc105", "es", "", nullptr};
  for (auto _ : state) {
    xkb_keymap* keymap = xkb_keymap_new_from_names(k.context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    benchmark::DoNotOptimize(keymap);
    xkb_keymap_unref(keymap);
  }
}
BENCHMARK(BM_CompileKeymap)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
