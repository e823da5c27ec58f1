#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "report_test_tool.h"
#include "reports/report_inputs.h"

namespace tamrel {
namespace {

using test::ReportTool;

TEST(FindInput, FirstExactKeyInDefinitionOrder) {
    ReportTool tool(3, {{"kind", 2.0}, {"Beds", 5.0}, {"beds", 6.0}, {"kind", 9.0}, {"gap", 0.5}});
    struct Case {
        const char* key;
        double expected;
    };
    const Case cases[] = {
        {"kind", 2.0},  // the first of two equal keys
        {"beds", 6.0},  // case-sensitive
        {"Beds", 5.0},
        {"gap", 0.5},
        {"KIND", 0.0},
        {"kin", 0.0},   // no prefix match
        {"kinds", 0.0},
        {"", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(findInput(tool.tool(), tool.values(), c.key), c.expected);
    }
}

TEST(FindInput, ToolWithoutInputsReadsZero) {
    ReportTool tool(8, {});
    EXPECT_EQ(findInput(tool.tool(), tool.values(), "kind"), 0.0);
}

TEST(ToReportInt, TruncatesTowardZeroWithinThe32BitRange) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int32_t expected;
    };
    const Case cases[] = {
        {0.0, 0},
        {-0.0, 0},
        {2.9, 2},
        {-2.9, -2},
        {-0.5, 0},
        {2147483647.0, INT32_MAX},
        {2147483647.9, INT32_MAX},
        {2147483648.0, INT32_MIN},
        {-2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},  // truncates to the lowest value itself
        {-2147483649.0, INT32_MIN},
        {-2147483647.5, -2147483647},
        {1e10, INT32_MIN},
        {-1e300, INT32_MIN},
        {kInf, INT32_MIN},
        {-kInf, INT32_MIN},
        {kNaN, INT32_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(toReportInt(c.value), c.expected);
    }
}

} // namespace
} // namespace tamrel
