// Drawing a scroll bar (see scroll_bar_painting.h).
#include "platform/user/controls/scroll_bar_painting.h"

#include <cstdint>

#include "platform/gdi/gdi_object.h"

namespace platform::user::controls {

HBRUSH CheckerTrackBrush() {
  static HBRUSH brush = [] {
    const COLORREF light = GetSysColor(COLOR_3DHILIGHT);
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    auto pixel = [](COLORREF c) {  // 32-bit bitmap rows: 0x00RRGGBB
      return static_cast<std::uint32_t>(GetRValue(c)) << 16 |
             static_cast<std::uint32_t>(GetGValue(c)) << 8 | GetBValue(c);
    };
    std::uint32_t bits[8 * 8];
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) bits[y * 8 + x] = pixel(((x + y) & 1) ? face : light);
    }
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, bits);
    HBRUSH made = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);  // the brush keeps its own copy of the pattern
    if (made == nullptr) return GetSysColorBrush(COLOR_SCROLLBAR);
    // A system object like the colour brushes: kept for the process, and a program's
    // DeleteObject cannot take it away from every scroll bar.
    if (gdi::GdiObject* object = gdi::FindObject(made)) object->MarkStock();
    return made;
  }();
  return brush;
}

namespace {

UINT ArrowGlyph(bool vertical, bool before) {
  if (vertical) return before ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
  return before ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
}

void PaintArrow(HDC dc, const ScrollLayout& layout, const ScrollLook& look, bool before) {
  const ScrollPart part = before ? ScrollPart::kArrowBefore : ScrollPart::kArrowAfter;
  RECT r = ScrollPartRect(layout, part);
  if (r.right <= r.left || r.bottom <= r.top) return;
  UINT state = ArrowGlyph(layout.vertical, before);
  const UINT disabled_bit = before ? ESB_DISABLE_LTUP : ESB_DISABLE_RTDN;
  if (!look.enabled || (look.disabled_arrows & disabled_bit)) state |= DFCS_INACTIVE;
  else if (look.pressed == part) state |= DFCS_PUSHED | DFCS_FLAT;
  DrawFrameControl(dc, &r, DFC_SCROLL, state);
}

void PaintPage(HDC dc, const ScrollLayout& layout, const ScrollLook& look, ScrollPart part) {
  RECT r = ScrollPartRect(layout, part);
  if (r.right <= r.left || r.bottom <= r.top) return;
  FillRect(dc, &r, look.track != nullptr ? look.track : CheckerTrackBrush());
  if (look.pressed == part) InvertRect(dc, &r);
}

}  // namespace

void PaintScrollBar(HDC dc, const ScrollLayout& layout, const ScrollLook& look) {
  PaintArrow(dc, layout, look, true);
  PaintArrow(dc, layout, look, false);
  PaintPage(dc, layout, look, ScrollPart::kPageBefore);
  if (layout.thumb_length > 0) {
    PaintPage(dc, layout, look, ScrollPart::kPageAfter);
    RECT thumb = ScrollPartRect(layout, ScrollPart::kThumb);
    // Raised like the arrow boxes beside it (a light outer edge, white inside), not like a
    // push button.
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  }
}

}  // namespace platform::user::controls
