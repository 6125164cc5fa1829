// Start-up's call site for the three built-in font records.
#pragma once

namespace runtime {

// Creates the built-in fonts 1-3 when the option word asks for them. The font table
// arrives with the dialog toolkit; until then there is nothing to create, and this is
// the one place start-up will make them.
void CreateBuiltInFonts();

}  // namespace runtime
