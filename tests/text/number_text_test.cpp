#include <gtest/gtest.h>
#include "text/number_text.h"
TEST(Smoke, Reads) { EXPECT_EQ(tamrel::scanNumber("0x10").value, 16.0); }
