// The clip region of a DC: SelectClipRgn, IntersectClipRect, ExcludeClipRect, GetClipBox.
//
// The clip is kept in DC coordinates. An unclipped DC may paint its whole area (its
// window's visible part, or its bitmap); the first IntersectClipRect or ExcludeClipRect
// starts from that area.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/region.h"
#include "platform/gdi/screen_dc.h"

using namespace platform::gdi;

namespace {

// What the DC may paint when it has no clip, in DC coordinates.
RectList DcArea(const DeviceContext& dc) {
  RectList area;
  if (dc.has_visible) {
    area = dc.visible.rects;
  } else {
    const PixelSurface surface = dc.Surface();
    if (!surface.empty()) {
      area = RectsOf({0, 0, surface.width, surface.height});
    } else {
      const ScreenInfo screen = GetScreenInfo();
      return RectsOf({0, 0, screen.width, screen.height});
    }
  }
  OffsetRects(area, -dc.surface_offset.x, -dc.surface_offset.y);
  return area;
}

RectList EffectiveClip(const DeviceContext& dc) {
  RectList area = DcArea(dc);
  return dc.state.clipped ? CombineRects(area, dc.state.clip.rects, RGN_AND) : area;
}

int SetClip(DeviceContext& dc, RectList rects) {
  dc.state.clip.rects = std::move(rects);
  dc.state.clipped = true;
  dc.ClipChanged();
  return RegionKind(EffectiveClip(dc));
}

RECT Ordered(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right),
          std::max(top, bottom)};
}

}  // namespace

extern "C" {

int SelectClipRgn(HDC dc, HRGN region) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return ERROR;
  }
  if (region == nullptr) {
    context->state.clipped = false;
    context->state.clip.rects.clear();
    context->ClipChanged();
    return SIMPLEREGION;
  }
  const Region* source = Find<Region>(region);
  if (source == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return ERROR;
  }
  return SetClip(*context, source->rects);  // a copy: the region stays the caller's
}

int GetClipRgn(HDC dc, HRGN region) {
  DeviceContext* context = FindDc(dc);
  Region* target = Find<Region>(region);
  if (context == nullptr || target == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return -1;
  }
  if (!context->state.clipped) return 0;
  target->rects = context->state.clip.rects;
  return 1;
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return ERROR;
  }
  RectList base = context->state.clipped ? context->state.clip.rects : DcArea(*context);
  return SetClip(*context,
                 CombineRects(base, RectsOf(Ordered(left, top, right, bottom)), RGN_AND));
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return ERROR;
  }
  RectList base = context->state.clipped ? context->state.clip.rects : DcArea(*context);
  return SetClip(*context,
                 CombineRects(base, RectsOf(Ordered(left, top, right, bottom)), RGN_DIFF));
}

int GetClipBox(HDC dc, LPRECT rect) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return ERROR;
  }
  const RectList clip = EffectiveClip(*context);
  *rect = BoundingBox(clip);
  return RegionKind(clip);
}

}  // extern "C"
