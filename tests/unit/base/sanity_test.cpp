#include <gtest/gtest.h>
TEST(Sanity, Builds) { EXPECT_EQ(1 + 1, 2); }
