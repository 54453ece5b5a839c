// The skin engine's Win32 tests; with --demo, the demo program of every window kind instead.
#include <gtest/gtest.h>

#include <cstring>

#include "win/skin_form/demo_forms.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--demo") == 0) return skintest::RunDemo();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
