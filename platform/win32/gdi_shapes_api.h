// gdi32 / user32: lines and filled figures, flood fill, mix modes, as the Windows headers declare them.
// Included by platform/win32.h. The pen styles (PS_*), mix modes (R2_*) and fill modes
// (ALTERNATE, WINDING) are declared with the DC state in gdi_api.h.
#pragma once

constexpr UINT FLOODFILLBORDER = 0;
constexpr UINT FLOODFILLSURFACE = 1;

constexpr int AD_COUNTERCLOCKWISE = 1;
constexpr int AD_CLOCKWISE = 2;

extern "C" {

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL PolylineTo(HDC dc, const POINT* points, DWORD count);
BOOL PolyBezier(HDC dc, const POINT* points, DWORD count);
BOOL PolyBezierTo(HDC dc, const POINT* points, DWORD count);
BOOL ArcTo(HDC dc, int left, int top, int right, int bottom, int x_radial1, int y_radial1,
           int x_radial2, int y_radial2);

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int corner_width,
               int corner_height);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int x_start, int y_start, int x_end,
         int y_end);
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int x_start, int y_start, int x_end,
         int y_end);
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int x_start, int y_start, int x_end,
           int y_end);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL PolyPolygon(HDC dc, const POINT* points, const INT* counts, int polygon_count);

BOOL ExtFloodFill(HDC dc, int x, int y, COLORREF color, UINT type);
BOOL FloodFill(HDC dc, int x, int y, COLORREF color);

int SetArcDirection(HDC dc, int direction);
int GetArcDirection(HDC dc);

}  // extern "C"
