#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/calendar.h"
#include "engine/format_value.h"

namespace tamrel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr char16_t kCanary = u'#';

struct FormatCase {
    const char* code;
    double value;
    const char16_t* text;
};

std::u16string format(const char* code, double value, int32_t capacity = kValueTextCapacity) {
    char16_t out[kValueTextCapacity + 1];
    for (char16_t& c : out) c = kCanary;
    formatValue(code, value, out, capacity);
    EXPECT_EQ(out[capacity], kCanary) << "written past the capacity";
    return std::u16string(out);
}

void expectCases(const FormatCase* begin, const FormatCase* end) {
    for (const FormatCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(testing::Message() << (c->code ? c->code : "null") << " " << c->value);
        EXPECT_EQ(format(c->code, c->value), c->text);
    }
}

TEST(FormatValue, CodesChooseTheDecimals) {
    const FormatCase cases[] = {
        {"f0", 22.5, u"22"},       {"f1", 22.5, u"22.5"},     {"f2", 22.5, u"22.50"},
        {"f3", 22.5, u"22.500"},   {"int", 22.5, u"22"},      {"pct", 22.5, u"22.5%"},
        {nullptr, 22.5, u"22.50"}, {"", 22.5, u"22.50"},      {"F1", 22.5, u"22.50"},
        {"f4", 22.5, u"22.50"},    {"int", 7.9, u"8"},        {"pct", 0.5, u"0.5%"},
        {"f1", -3, u"-3.0"},       {"f0", 0, u"0"},           {"f2", -0.0, u"-0.00"},
    };
    expectCases(std::begin(cases), std::end(cases));
}

TEST(FormatValue, RoundsExactlyWithHalvesToEven) {
    const FormatCase cases[] = {
        {"f0", 23.5, u"24"},   {"f0", 2.5, u"2"},       {"f0", -2.5, u"-2"},
        {"int", 0.5, u"0"},    {"f1", 0.25, u"0.2"},    {"f1", 0.35, u"0.3"},
        {"f2", 0.375, u"0.38"}, {"f2", 1.005, u"1.00"}, {"f2", -0.004, u"-0.00"},
        {"pct", 0.125, u"0.1%"}, {"f3", 2.0005, u"2.001"}, {"f1", 11.25, u"11.2"},
    };
    expectCases(std::begin(cases), std::end(cases));
}

TEST(FormatValue, NonFiniteValuesShowDashes) {
    const FormatCase cases[] = {
        {"f1", kInf, u"--"}, {"f2", -kInf, u"--"}, {nullptr, kNaN, u"--"},
        {"pct", kNaN, u"--"}, {"date", kInf, u"--"}, {"date", kNaN, u"--"},
    };
    expectCases(std::begin(cases), std::end(cases));
}

// Magnitudes whose fixed-point text would not fit 79 characters keep their decimals in
// exponent form; texts that just fit stay fixed.
TEST(FormatValue, OversizeValuesSwitchToExponentForm) {
    const FormatCase cases[] = {
        {"f1", 1e300, u"1.0e+300"},  {"f0", 1e300, u"1e+300"},
        {"f2", -1e300, u"-1.00e+300"}, {"pct", 1e300, u"1.0e+300%"},
        {"f3", 2e75, u"2.000e+75"},  {"f0", 2e79, u"2e+79"},
        {"f0", -1e78, u"-1e+78"},    {"pct", 1e76, u"1.0e+76%"},
        {"f1", 1.7976931348623157e308, u"1.8e+308"},
    };
    expectCases(std::begin(cases), std::end(cases));

    struct FitCase {
        const char* code;
        double value;
        size_t length;
    };
    const FitCase fits[] = {
        {"f3", 1e75, 79}, {"f0", 1e79, 79}, {"f0", -1e77, 78}, {"pct", 5e75, 79},
    };
    for (const FitCase& c : fits) {
        SCOPED_TRACE(c.value);
        std::u16string text = format(c.code, c.value);
        EXPECT_EQ(text.size(), c.length);
        EXPECT_EQ(text.find(u'e'), std::u16string::npos);
    }
}

TEST(FormatValue, DateOfADayNumberTruncatedTowardZero) {
    const FormatCase cases[] = {
        {"date", 0, u"1970-01-01"},      {"date", -1, u"1969-12-31"},
        {"date", 19723, u"2024-01-01"},  {"date", 20000.9, u"2024-10-04"},
        {"date", -0.9, u"1970-01-01"},   {"date", -1.5, u"1969-12-31"},
        {"date", -719529, u"-001-12-31"}, {"date", 2932897, u"10000-01-01"},
        // Beyond the calendar's 64-bit range there is no date to show.
        {"date", 1e300, u"--"},          {"date", -1e300, u"--"},
        {"date", 9223372036854775808.0, u"--"}, {"date", -9223372036854775808.0, u"--"},
    };
    expectCases(std::begin(cases), std::end(cases));

    // Near the ends of the range the text is the calendar's own, without overflow.
    for (int64_t day : {int64_t{9200000000000000000}, int64_t{-9200000000000000000}}) {
        SCOPED_TRACE(day);
        char16_t expected[64];
        TextBuffer out(expected, 64);
        ASSERT_TRUE(appendDate(out, day));
        EXPECT_EQ(format("date", static_cast<double>(day)), expected);
    }
}

TEST(FormatValue, CutAtCapacityMinusOne) {
    struct CutCase {
        const char* code;
        double value;
        int32_t capacity;
        const char16_t* text;
    };
    const CutCase cases[] = {
        {"f1", 22.5, 1, u""},         {"f1", 22.5, 3, u"22"},     {"f1", 22.5, 5, u"22.5"},
        {"f1", 22.5, 6, u"22.5"},     {"pct", 22.5, 5, u"22.5"},  {"f1", kInf, 2, u"-"},
        {"date", 19723, 5, u"2024"},  {"f1", 1e300, 4, u"1.0"},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " " << c.value << " " << c.capacity);
        EXPECT_EQ(format(c.code, c.value, c.capacity), c.text);
    }

    char16_t untouched = kCanary;
    formatValue("f1", 22.5, &untouched, 0);
    EXPECT_EQ(untouched, kCanary);
}

} // namespace
} // namespace tamrel
