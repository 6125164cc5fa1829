// What a DC holds on to: selected objects and saved states (platform-internal).
//
// Every pen, brush, font, bitmap handle in a DC's current state or in one of its saved
// states counts once in the object's selected_count. DeleteObject of a counted object is
// deferred (delete_pending) and carried out when the last count goes, as in GDI.
#pragma once

#include <memory>

#include "platform/gdi/device_context.h"

namespace platform::gdi {

void Retain(HGDIOBJ object);
void Release(HGDIOBJ object);
void RetainState(const DcState& state);
void ReleaseState(const DcState& state);

// Makes `bitmap` the memory DC's current bitmap (its pixels, monochrome or not), writing
// back the bitmap it replaces. Counts are not touched.
void AttachBitmap(DeviceContext& dc, HBITMAP bitmap);

// Adds a new DC with the default objects selected (BLACK_PEN, WHITE_BRUSH, SYSTEM_FONT
// and, for memory DCs, the 1 x 1 monochrome bitmap). Null (ERROR_NOT_ENOUGH_MEMORY) when
// the handle table is full.
HDC AddDc(std::unique_ptr<DeviceContext> dc);

// Lets go of everything the DC holds and removes it.
void DestroyDc(DeviceContext& dc);

// The current screen DPI, which new DCs take as their LOGPIXELSX / LOGPIXELSY.
int ScreenDpi();

}  // namespace platform::gdi
