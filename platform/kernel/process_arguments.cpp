#include "platform/kernel/process_arguments.h"

namespace platform {
namespace {
std::vector<std::string>& Arguments() {
  static std::vector<std::string> arguments;
  return arguments;
}
}  // namespace

void RecordProcessArguments(int argc, char** argv) {
  auto& arguments = Arguments();
  arguments.clear();
  for (int i = 0; i < argc; ++i) arguments.emplace_back(argv[i] ? argv[i] : "");
}

const std::vector<std::string>& ProcessArguments() { return Arguments(); }

}  // namespace platform
