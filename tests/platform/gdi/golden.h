// Golden-image comparisons for the gdi tests.
//
// Stored images live in tests/platform/gdi/golden/NAME.png. A comparison allows a small
// difference per colour channel; when it fails, NAME.actual.png and NAME.diff.png (red
// where pixels differ) are written to the test output folder (golden_output/ in the
// build's tests folder). VESTRALINO_UPDATE_GOLDEN=1 rewrites the stored images instead.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/pixel_surface.h"
#include "platform/win32.h"

namespace platform::gdi::testing {

::testing::AssertionResult MatchesGolden(const PixelSurface& surface, const std::string& name,
                                         int tolerance = 2);
::testing::AssertionResult MatchesGolden(HDC dc, const std::string& name, int tolerance = 2);

}  // namespace platform::gdi::testing
