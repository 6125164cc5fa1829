// The process's arguments as the C++ entry received them (platform-internal).
#pragma once

#include <string>
#include <vector>

namespace platform {

void RecordProcessArguments(int argc, char** argv);
// argv[0] first; empty before RecordProcessArguments.
const std::vector<std::string>& ProcessArguments();

}  // namespace platform
