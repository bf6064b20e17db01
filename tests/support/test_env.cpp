// Compiled into every test binary: tells tests where the source and build
// trees are, whether ctest or a developer starts them.
#include <cstdlib>

namespace {
const bool kEnvironmentSet = [] {
  setenv("LUMORA_SOURCE_DIR", LUMORA_TEST_SOURCE_DIR, 0);
  setenv("LUMORA_BINARY_DIR", LUMORA_TEST_BINARY_DIR, 0);
  return true;
}();
}  // namespace
