// Random sequences of lines, figures and flood fills with random arguments, pens, brushes,
// mix modes and clips, drawn into a small DIB section: nothing may crash, hang, leak or
// write outside the bitmap (the sanitizers watch the last).
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/gdi/device_context.h"
#include "platform/win32.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  // Mostly small coordinates near the bitmap, sometimes anywhere in the 32-bit range.
  int Coordinate() {
    std::uint8_t kind = Byte();
    if (kind < 200) return static_cast<int>(Byte()) - 64;
    std::int32_t v;
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u = (u << 8) | Byte();
    std::memcpy(&v, &u, sizeof v);
    return v;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 48;
  info.bmiHeader.biHeight = (in.Byte() & 1) ? 40 : -40;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
  HPEN pen = CreatePen(in.Byte() % 7, in.Byte() % 12, RGB(in.Byte(), in.Byte(), in.Byte()));
  HBRUSH brush = (in.Byte() & 1) ? CreateHatchBrush(in.Byte() % 6, RGB(in.Byte(), 0, 0))
                                 : CreateSolidBrush(RGB(0, in.Byte(), 0));
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  if (platform::gdi::DeviceContext* context = platform::gdi::FindDc(dc)) {
    context->state.rop2 = 1 + in.Byte() % 16;
    context->state.poly_fill_mode = 1 + in.Byte() % 2;
    context->state.bk_mode = 1 + in.Byte() % 2;
  }
  if (in.Byte() & 1) IntersectClipRect(dc, in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate());
  SetArcDirection(dc, 1 + in.Byte() % 2);

  POINT points[16];
  INT counts[4];
  for (int step = 0; step < 32 && !in.empty(); ++step) {
    int a = in.Coordinate(), b = in.Coordinate(), c = in.Coordinate(), d = in.Coordinate();
    const int kind = in.Byte() % 13;
    switch (kind) {
      case 0: MoveToEx(dc, a, b, nullptr); break;
      case 1: LineTo(dc, a, b); break;
      case 2: Rectangle(dc, a, b, c, d); break;
      case 3: RoundRect(dc, a, b, c, d, in.Coordinate(), in.Coordinate()); break;
      case 4: Ellipse(dc, a, b, c, d); break;
      case 5: Arc(dc, a, b, c, d, in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()); break;
      case 6: Pie(dc, a, b, c, d, in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()); break;
      case 7: Chord(dc, a, b, c, d, in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()); break;
      case 8:
      case 9:
      case 10: {
        int n = 1 + in.Byte() % 16;
        for (int i = 0; i < n; ++i) points[i] = {in.Coordinate(), in.Coordinate()};
        if (kind == 8) Polygon(dc, points, n);
        else if (kind == 9) Polyline(dc, points, n);
        else PolylineTo(dc, points, static_cast<DWORD>(n));
        if (n >= 8) {
          counts[0] = 3;
          counts[1] = n - 3;
          PolyPolygon(dc, points, counts, 2);
        }
        break;
      }
      case 11: ExtFloodFill(dc, a & 63, b & 63, RGB(c, d, 0), in.Byte() & 1); break;
      case 12: ExtFloodFill(dc, a, b, RGB(c, d, 0), in.Byte() % 3); break;
    }
  }

  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_bitmap);
  DeleteObject(pen);
  DeleteObject(brush);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return 0;
}
