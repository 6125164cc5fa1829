// Regions: sets of pixels kept as non-overlapping rectangles (platform-internal).
//
// Rectangles are sorted by top, then left, and grouped in bands of equal top and bottom;
// touching bands with the same columns are merged, so a region made of one rectangle is
// stored as one rectangle (SIMPLEREGION) whatever operations produced it.
#pragma once

#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/win32.h"

namespace platform::gdi {

using RectList = std::vector<RECT>;

class Region : public GdiObject {
 public:
  static bool Accepts(DWORD type) { return type == OBJ_REGION; }
  Region() : GdiObject(OBJ_REGION) {}
  RectList rects;
};

// The rectangle list of one rectangle (empty when the rectangle is).
RectList RectsOf(const RECT& rect);
// RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF of two rectangle lists, normalised as above.
RectList CombineRects(const RectList& a, const RectList& b, int mode);
// NULLREGION, SIMPLEREGION or COMPLEXREGION.
int RegionKind(const RectList& rects);
// The bounding box ({0, 0, 0, 0} when empty).
RECT BoundingBox(const RectList& rects);
void OffsetRects(RectList& rects, int dx, int dy);

}  // namespace platform::gdi
