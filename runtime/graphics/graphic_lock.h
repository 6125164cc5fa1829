// The graphic lock: one process-wide word that every drawing operation holds from
// begin_drawing to end_drawing, so that threads drawing on surfaces never interleave
// their GDI calls on one memory device context.
#pragma once

namespace runtime {

// Takes the lock: exchanges -1 into the word until the old value was 0, giving the
// processor away (Sleep(0)) between attempts. Not re-entrant: a thread that holds the
// lock and takes it again waits for ever: a callback that runs while an operation
// repaints (WM_DRAWITEM, WM_PAINT inside UpdateWindow) must not draw.
void take_graphic_lock();
// Stores 0.
void release_graphic_lock();
// Whether some thread holds the lock (tests and assertions).
bool graphic_lock_held();

}  // namespace runtime
