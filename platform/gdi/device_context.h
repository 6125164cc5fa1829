// Device contexts and the one place where drawing meets pixels (platform-internal).
//
// A DC draws into a PixelSurface: a memory DC into the bitmap selected into it, a window
// or client DC into its top-level window's bitmap (the window system makes those DCs with
// MakeSurfaceDC). Coordinates given to GDI calls are logical = device coordinates of the
// DC; `surface_offset` is where the DC's (0, 0) lies on the surface (a client area inside
// its window's bitmap) and `clip` is in DC coordinates.
//
// Shapes turn into spans (row, x from, x to exclusive) through a SpanSink; PaintSpan then
// clips a span, mixes it with the DC's ROP2 and writes it. Nothing else writes pixels of
// a DC's surface, so clipping and mix modes hold for every primitive.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/win32.h"

namespace platform::gdi {

// A clip region: non-overlapping rectangles (right and bottom exclusive).
struct ClipRects {
  std::vector<RECT> rects;
};

// What a span is painted with: one colour, or an 8 x 8 pattern (hatch and pattern brushes)
// whose (0, 0) sits at the brush origin; `background` fills the pattern's 0 bits of a
// hatch when the background mode is OPAQUE.
struct Fill {
  enum class Kind : std::uint8_t { kSolid, kPattern, kNone };
  Kind kind = Kind::kNone;
  std::uint32_t pixel = 0;                  // kSolid
  std::array<std::uint32_t, 64> pattern{};  // kPattern: rows of 8 pixels
  std::array<bool, 64> opaque{};            // kPattern: false = leave the pixel alone
};

class SpanSink {
 public:
  virtual ~SpanSink() = default;
  virtual void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) = 0;  // x1 exclusive
  void Pixel(std::int32_t x, std::int32_t y) { Span(y, x, x + 1); }
};

// The saved part of a DC's state (SaveDC / RestoreDC).
struct DcState {
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  HBITMAP bitmap = nullptr;  // memory DCs
  ClipRects clip;            // in DC coordinates
  bool clipped = false;      // false: the whole surface
  COLORREF text_color = 0x000000;
  COLORREF bk_color = 0xFFFFFF;
  int bk_mode = 2;           // OPAQUE
  int rop2 = 13;             // R2_COPYPEN
  int poly_fill_mode = 1;    // ALTERNATE
  int arc_direction = 1;     // AD_COUNTERCLOCKWISE
  int stretch_mode = 1;      // BLACKONWHITE
  UINT text_align = 0;       // TA_LEFT | TA_TOP | TA_NOUPDATECP
  POINT current_position{0, 0};
  POINT brush_origin{0, 0};
  COLORREF dc_brush_color = 0xFFFFFF;  // the colour of the DC_BRUSH stock brush
  COLORREF dc_pen_color = 0x000000;    // the colour of the DC_PEN stock pen
};

class DeviceContext : public GdiObject {
 public:
  static bool Accepts(DWORD type) { return type == OBJ_DC || type == OBJ_MEMDC; }
  explicit DeviceContext(DWORD type) : GdiObject(type) {}

  DcState state;
  std::vector<DcState> saved;

  // Where the pixels are. Memory DCs: taken from the selected bitmap. Window DCs: asked
  // of the window system each time (the window's bitmap can be replaced when it is
  // resized); an empty surface (a destroyed window) makes every drawing call fail.
  std::function<PixelSurface()> surface_source;
  POINT surface_offset{0, 0};
  ClipRects visible;          // window DCs: the part of the surface they may touch
  bool has_visible = false;
  int logical_dpi = 96;       // LOGPIXELSX / LOGPIXELSY
  HWND window = nullptr;      // window DCs
  // What the surface can hold (memory DCs). `monochrome`: a 1-bpp bitmap is selected.
  // `palette`: a DIB section of up to 8 bpp is selected, whose pixels are entries of this
  // colour table (the bitmap's own, which SetDIBColorTable changes in place): whatever is
  // drawn is stored as the nearest entry. A monochrome surface without a palette is a
  // monochrome device bitmap: painting stores black or white, and blits to or from it
  // convert through the text and background colours, as GDI does.
  bool monochrome = false;
  const std::vector<RGBQUAD>* palette = nullptr;
  bool monochrome_device_bitmap() const { return monochrome && palette == nullptr; }

  PixelSurface Surface() const { return surface_source ? surface_source() : PixelSurface{}; }

  // Whoever changes state.clip, visible, has_visible or surface_offset calls this, so
  // painting recomputes its cached clip in surface coordinates.
  void ClipChanged() { ++clip_version; }
  std::uint64_t clip_version = 0;
  struct DeviceClipCache {
    std::uint64_t version = ~std::uint64_t{0};
    std::int32_t width = -1, height = -1;
    std::vector<RECT> rects;  // surface coordinates
  };
  DeviceClipCache clip_cache;
};

// The live DC of a handle, or null (the caller fails as GDI does).
inline DeviceContext* FindDc(HDC dc) { return Find<DeviceContext>(dc); }

// A DC drawing into what `source` gives, for the window system's GetDC / BeginPaint.
HDC MakeSurfaceDC(std::function<PixelSurface()> source, POINT surface_offset,
                  const RECT& visible, HWND window);

// The fill of the DC's selected brush / pen colour, resolved for painting now (brush
// origin, background mode and colour taken into account).
Fill BrushFill(const DeviceContext& dc, HBRUSH brush);
Fill SolidFill(std::uint32_t pixel);

// Paints one span of row y, [x0, x1) in DC coordinates, clipped and mixed by the DC's
// ROP2.
void PaintSpan(DeviceContext& dc, std::int32_t y, std::int32_t x0, std::int32_t x1,
               const Fill& fill);

// A SpanSink that paints every span it receives with one fill.
class FillSink : public SpanSink {
 public:
  FillSink(DeviceContext& dc, const Fill& fill) : dc_(dc), fill_(fill) {}
  void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override {
    PaintSpan(dc_, y, x0, x1, fill_);
  }

 private:
  DeviceContext& dc_;
  const Fill& fill_;
};

// Reads a pixel in DC coordinates; false outside the surface or the clip.
bool ReadPixel(const DeviceContext& dc, std::int32_t x, std::int32_t y, std::uint32_t* pixel);

// Applies a ROP2 mode (R2_BLACK = 1 … R2_WHITE = 16) to a pen pixel and a destination.
std::uint32_t MixRop2(int rop2, std::uint32_t pen, std::uint32_t destination);

// An 8-bit coverage mask: `height` rows of `width` values, 0 = untouched, 255 = full.
struct CoverageMask {
  const std::uint8_t* values = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// Blends `pixel` into the DC through `mask`, whose first value lies at (x, y) in DC
// coordinates, clipped like PaintSpan and, when `bounds` is not null, to that rectangle
// too. Text ignores the ROP2 mode, as in GDI. (Glyphs; implemented in coverage_paint.cpp.)
void PaintCoverage(DeviceContext& dc, std::int32_t x, std::int32_t y, const CoverageMask& mask,
                   std::uint32_t pixel, const RECT* bounds);

}  // namespace platform::gdi
