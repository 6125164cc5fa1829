// Start-up's call site for the three built-in font records.
#pragma once

namespace runtime {

// Creates the built-in fonts 1-3 of the dialog toolkit's font table ("MS Sans Serif"
// 8 pt, "Lucida Console" at the default size and at 11 pt) when the option word asks for
// them, so that the first font a program makes is number 4.
void CreateBuiltInFonts();

}  // namespace runtime
