#include <gtest/gtest.h>

#include "common/NumberText.h"

TEST(NumberText, Placeholder) { EXPECT_EQ(orvan::formatFixed(0.125, 2), "0.13"); }
