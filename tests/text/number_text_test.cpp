#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text/number_text.h"

namespace tamrel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ScanCase {
    const char* text;
    double value;  // NaN: expect NaN
    int32_t length;
};

TEST(ScanNumber, ReadsTheLongestAcceptedPrefixLikeStrtod) {
    const ScanCase cases[] = {
        {"12", 12, 2},
        {"12abc", 12, 2},
        {"abc", 0, 0},
        {"", 0, 0},
        {"   ", 0, 0},
        {"  7", 7, 3},
        {"\t\n\v\f\r7", 7, 6},
        {"1,5", 1, 1},
        {"1.5.3", 1.5, 3},
        {".5", 0.5, 2},
        {"5.", 5, 2},
        {".", 0, 0},
        {"-.", 0, 0},
        {"1e3", 1000, 3},
        {"1E+3x", 1000, 4},
        {"1e", 1, 1},
        {"1e+", 1, 1},
        {"-2.5", -2.5, 4},
        {"+3", 3, 2},
        {"+-3", 0, 0},
        {"- 3", 0, 0},
        {"0x10", 16, 4},
        {"0X1f", 31, 4},
        {"-0x10", -16, 5},
        {"0x", 0, 1},
        {"0xg", 0, 1},
        {"0x1p3", 8, 5},
        {"0x.8", 0.5, 4},
        {"0x1.8p1z", 3, 7},
        {"1e999", kInf, 5},
        {"-1e999", -kInf, 6},
        {"1e-999", 0, 6},
        {"0.000000000000000000000000000001e-400", 0, 37},
        {"123456789e305", kInf, 13},
        {"0.001e-330", 0, 10},
        {"4e-320", 4e-320, 6},
        {"0x1p99999", kInf, 9},
        {"0x1p-99999", 0, 10},
        {"inf", kInf, 3},
        {"-INF", -kInf, 4},
        {"Infinity", kInf, 8},
        {"infinit", kInf, 3},
        {"nan", std::nan(""), 3},
        {"-NaN", std::nan(""), 4},
        {"nan(abc_1)x", std::nan(""), 10},
        {"nan(", std::nan(""), 3},
        {"in", 0, 0},
    };
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(c.text);
        NumberScan scan = scanNumber(c.text);
        if (std::isnan(c.value))
            EXPECT_TRUE(std::isnan(scan.value));
        else
            EXPECT_EQ(scan.value, c.value);
        EXPECT_EQ(scan.length, c.length);
    }
}

TEST(ScanNumber, WideTextReadsOnlyAsciiNumbers) {
    EXPECT_EQ(scanNumber(u" 30mg").value, 30);
    EXPECT_EQ(scanNumber(u"0x10").value, 16);
    EXPECT_EQ(scanNumber(u"１２").length, 0);  // full-width digits are not a number
    EXPECT_EQ(scanNumber(u"12剂").value, 12);
    EXPECT_TRUE(std::isinf(scanNumber(u"-inf").value));
}

TEST(WriteNumbers, FailWhenTheTextDoesNotFit) {
    char out[8];
    EXPECT_EQ(writeFixed(1e300, 1, out, sizeof out), 0);
    EXPECT_EQ(writeFixed(1.25, 1, out, sizeof out), 3);
    EXPECT_EQ(std::string(out, 3), "1.2");
    EXPECT_EQ(writeInt(12345, 10, out, sizeof out), 0);
    EXPECT_EQ(writeScientific(1e300, 1, out, sizeof out), 8);
    EXPECT_EQ(std::string(out, 8), "1.0e+300");
}

} // namespace
} // namespace tamrel
