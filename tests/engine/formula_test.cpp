#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/formula.h"
#include "text/number_text.h"

namespace tamrel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

#define KEY63 "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
#define KEY64 "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"
static_assert(sizeof KEY63 == 64 && sizeof KEY64 == 65);

// Inputs drug 2, dose 10, x 4, zero 0 and two long keys; outputs ome 360, a second "x" that
// the input of that name hides, and out_2 7.
constexpr InputField kInputs[] = {
    {"drug", u"", u"", 0}, {"dose", u"", u"", 0}, {"x", u"", u"", 0},
    {"zero", u"", u"", 0}, {KEY63, u"", u"", 0},  {KEY64, u"", u"", 0},
};
constexpr OutputField kOutputs[] = {
    {"ome", u"", u"", "0", nullptr},
    {"x", u"", u"", "0", nullptr},
    {"out_2", u"", u"", "0", nullptr},
};
constexpr ToolDefinition kTool = {
    1, u"", nullptr, u"", u"", nullptr, 6, kInputs, 3, kOutputs, 0, nullptr, 0,
};
constexpr double kInputValues[] = {2, 10, 4, 0, 63, 64};
constexpr double kOutputValues[] = {360, 99, 7};

struct Case {
    const char* formula;
    double value;  // kNaN: expect NaN
    int32_t failed;
};

template <size_t N>
void expectCases(const Case (&cases)[N]) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        int32_t failed = -1;
        double v = evaluateExpression(kTool, c.formula, kInputValues, kOutputValues, failed);
        if (std::isnan(c.value))
            EXPECT_TRUE(std::isnan(v)) << v;
        else
            EXPECT_EQ(v, c.value);
        EXPECT_EQ(failed, c.failed);
    }
}

TEST(Formula, PrecedenceAndAssociativity) {
    const Case cases[] = {
        {"1+2*3", 7, 0},        {"(1+2)*3", 9, 0},      {"10-4-3", 3, 0},
        {"64/4/2", 8, 0},       {"2*3^2", 18, 0},       {"12/2^2", 3, 0},
        {"2^3^2", 512, 0},      {"2^-1", 0.5, 0},       {"-2^2", 4, 0},
        {"-(2^2)", -4, 0},      {"!x^2", 0, 0},         {"-x^0.5", kNaN, 1},
        {"2*-3", -6, 0},        {"-2*3", -6, 0},        {"+-3", -3, 0},
        {"--3", 3, 0},          {"!0 + 1", 2, 0},       {"!!5", 1, 0},
        {"10%-3", 1, 0},        {"-7%3", -1, 0},        {"7%-3", 1, 0},
        {"7.5%2", 1.5, 0},      {"1+2<4", 1, 0},        {"1<2 && 3<4", 1, 0},
        {"1 || 0 && 0", 1, 0},  {"0 && 0 || 1", 1, 0},  {"2 && 3", 1, 0},
        {"0 || -2", 1, 0},      {"0 || 0", 0, 0},       {"0||1 ? 5 : 6", 5, 0},
        {"0?1:0?2:3", 3, 0},    {"1?2:3?4:5", 2, 0},    {"1?0?7:8:9", 8, 0},
        {"(1?2:3)+1", 3, 0},
    };
    expectCases(cases);
}

TEST(Formula, ComparisonsFollowIeeeRules) {
    const Case cases[] = {
        {"1<2", 1, 0},   {"2<=2", 1, 0},  {"3>=4", 0, 0},  {"2>1", 1, 0},
        {"1==1", 1, 0},  {"1!=1", 0, 0},  {"0==-0", 1, 0},
        // NaN: every comparison but != is false, and NaN itself counts as true.
        {"pow(-1,0.5) == pow(-1,0.5)", 0, 0}, {"pow(-1,0.5) != pow(-1,0.5)", 1, 0},
        {"pow(-1,0.5) < 1", 0, 0},            {"pow(-1,0.5) >= 1", 0, 0},
        {"pow(-1,0.5) ? 1 : 2", 1, 0},        {"!pow(-1,0.5)", 0, 0},
        {"pow(-1,0.5) || 0", 1, 0},           {"pow(-1,0.5) && 1", 1, 0},
        // Infinities may pass through the middle of an evaluation.
        {"exp(1000) > 5", 1, 0}, {"1/exp(1000)", 0, 0}, {"1/0^-1", 0, 0},
    };
    expectCases(cases);
}

// Reading never stops at an error (except a zero divisor, which ends its level), so a failed
// formula still has the value these rules give it.
TEST(Formula, FailuresKeepTheValueComputedSoFar) {
    const Case cases[] = {
        {"1/0 + 5", 5, 1},          {"1/0*5", 0, 1},           {"5%0", 0, 1},
        {"2 - 8/zero + 1", 3, 1}, {"0/0", 0, 1},             {"!(0/0)", 1, 1},
        {"0 && 1/0", 0, 1},         {"1 || 1/0", 1, 1},
        {"zero == 0 ? 0 : 1/zero", 0, 1},
        {"2**3", 2, 1},             {"1<2<3", 1, 1},           {"dose = 30", 10, 1},
        {"dose & 1", 10, 1},        {"dose | 1", 10, 1},       {"dose ! 1", 10, 1},
        {"2x", 2, 1},               {"2 (3)", 2, 1},           {"(1+2", 3, 1},
        {"1+2)", 3, 1},             {"1 ? 2", 2, 1},           {"0 ? 2 3", 3, 1},
        {"1 +", 1, 1},              {"#", 0, 1},               {".", 0, 1},
        {".e5", 0, 1},              {"1 + . + 2", 1, 1},       {"unknown", 0, 1},
        {"unknown + 1", 1, 1},      {"Dose", 0, 1},            {"1 2", 1, 1},
        {"", 0, 1},                 {"   ", 0, 1},             {"\t\r\n", 0, 1},
        {"1e999", kInf, 1},         {"-1e999", -kInf, 1},      {"exp(1000)", kInf, 1},
        {"0^-1", kInf, 1},          {"(-8)^(1/3)", kNaN, 1},   {"1/pow(-1,0.5)", kNaN, 1},
        {"5%pow(-1,0.5)", kNaN, 1},
    };
    expectCases(cases);

    int32_t failed = 0;
    EXPECT_EQ(evaluateExpression(kTool, nullptr, kInputValues, kOutputValues, failed), 0);
    EXPECT_EQ(failed, 1);
}

TEST(Formula, WhitespaceIsSpaceTabLineFeedAndCarriageReturnOnly) {
    const Case cases[] = {
        {"ome>300", 1, 0},
        {"  ome  >  300  ", 1, 0},
        {"\tome\t>\t300\t", 1, 0},
        {"\r\nome\r>\n300\r\n", 1, 0},
        {"ome\v>300", 360, 1},
        {"\vome>300", 0, 1},
        {"ome>300\v", 1, 1},
        {"ome>\f300", 1, 1},
        {"ome > 300 \f", 1, 1},
        {"sqrt (16)", 4, 0},
        {"max( 1 ,\t2 )", 2, 0},
    };
    expectCases(cases);
}

TEST(Formula, NumbersReadLikeStrtod) {
    const Case cases[] = {
        {"0x10", 16, 0},   {"0X1f", 31, 0},   {"0x1p3", 8, 0},    {"0x.8", 0.5, 0},
        {"0x", 0, 1},      {"1e3", 1000, 0},  {"1E-2", 0.01, 0},  {"1.5e+1", 15, 0},
        {".5", 0.5, 0},    {"5.", 5, 0},      {"007", 7, 0},      {"1.2.3", 1.2, 1},
        {"1e", 1, 1},      {"1e+", 1, 1},     {"inf", 0, 1},      {"nan", 0, 1},
        {"1e-999", 0, 0},  {"min(1e999, 3)", 3, 0},
        {"123456789012345", 123456789012345, 0},
        {"9007199254740993", 9007199254740992, 0},
        {"0.30000000000000004", 0.30000000000000004, 0},
    };
    expectCases(cases);
}

// Every decimal a formula can hold reads to the value of the full conversion, however many
// digits it has and wherever its point stands.
TEST(Formula, DecimalsReadToTheConvertedValue) {
    uint64_t state = 12345;
    for (int32_t i = 0; i < 100000; ++i) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        const int32_t digitCount = 1 + static_cast<int32_t>(state >> 59) % 18;
        const int32_t point = static_cast<int32_t>((state >> 40) % (digitCount + 2)) - 1;
        std::string text;
        uint64_t digits = state;
        for (int32_t d = 0; d < digitCount; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + digits % 10);
            digits /= 10;
        }
        if (point == digitCount) text += '.';
        SCOPED_TRACE(text);
        int32_t failed = -1;
        double v = evaluateExpression(kTool, text.c_str(), kInputValues, kOutputValues, failed);
        ASSERT_EQ(v, scanNumber(text.c_str()).value);
        ASSERT_EQ(failed, 0);
    }
}

TEST(Formula, IdentifiersNameInputsThenOutputs) {
    const Case cases[] = {
        {"dose", 10, 0},
        {"ome", 360, 0},
        {"out_2 + drug", 9, 0},
        {"x", 4, 0},  // the input hides the output of the same name
        {KEY63, 63, 0},
        // Only 63 characters are taken: a key of 64 can never be named, and a 64th
        // character after a 63-character key is trailing text.
        {KEY64, 0, 1},
        {KEY63 "a", 63, 1},
        {"_", 0, 1},
    };
    expectCases(cases);
}

TEST(Formula, FunctionsOfOneArgument) {
    const Case cases[] = {
        {"sqrt(16)", 4, 0},        {"sqrt(-1)", 0, 1},        {"sqrt(-1) + 2", 2, 1},
        {"abs(-3)", 3, 0},         {"log(1)", 0, 0},          {"log(0)", 0, 1},
        {"log10(1000)", 3, 0},     {"log10(-1)", 0, 1},       {"exp(0)", 1, 0},
        {"floor(-1.5)", -2, 0},    {"ceil(-1.5)", -1, 0},     {"round(2.5)", 3, 0},
        {"round(-2.5)", -2, 0},    {"round(-0.5)", 0, 0},
        {"round(0.49999999999999994)", 1, 0},
        {"cbrt(-27)", -3, 0},      {"cbrt(64)", 3.9999999999999996, 0},
        {"sign(-2)", -1, 0},       {"sign(5)", 1, 0},         {"sign(0)", 0, 0},
        {"sign(pow(-1,0.5))", 0, 0},
        // A NaN passes the domain tests.
        {"sqrt(pow(-1,0.5))", kNaN, 1}, {"log(pow(-1,0.5))", kNaN, 1},
    };
    expectCases(cases);
}

TEST(Formula, FunctionsOfTwoArguments) {
    const Case cases[] = {
        {"min(2,3)", 2, 0},              {"max(2,3)", 3, 0},
        {"min(pow(-1,0.5), 3)", 3, 0},   {"max(pow(-1,0.5), 3)", 3, 0},
        {"min(3, pow(-1,0.5))", kNaN, 1},
        {"pow(2,10)", 1024, 0},          {"mod(-7,3)", -1, 0},
        {"mod(7,-3)", 1, 0},             {"mod(5,0)", 0, 1},
        {"mod(5,0) + 1", 1, 1},
    };
    expectCases(cases);
}

TEST(Formula, CallsFailOnWrongNamesAndArgumentCounts) {
    const Case cases[] = {
        {"min(2)", 0, 1},       {"sqrt(4,2)", 0, 1},    {"MAX(1,2)", 0, 1},
        {"max(1,2,3)", 2, 1},   {"max()", 0, 1},        {"sqrt", 0, 1},
        {"foo(1/0) + 4", 4, 1}, {"sqrt(16", 4, 1},      {"max(1,2", 2, 1},
        {"abs(1) (2)", 1, 1},
    };
    expectCases(cases);
}

struct DrugCase {
    double drug;
    double dose;
    double ome;
};

TEST(Formula, BuiltInConversionFormula) {
    const DrugCase cases[] = {
        {1, 10, 10}, {2, 10, 30}, {3, 10, 15}, {4, 10, 1.5},
        {7, 10, 1.5}, {1.5, 10, 1.5}, {0, 10, 1.5}, {2, 120, 360},
    };
    const ToolDefinition& tool = builtInTool();
    for (const DrugCase& c : cases) {
        SCOPED_TRACE(c.drug);
        const double inputs[] = {c.drug, c.dose};
        const double outputs[kMaxOutputs] = {};
        int32_t failed = -1;
        EXPECT_EQ(evaluateExpression(tool, tool.outputs[0].expression, inputs, outputs, failed),
                  c.ome);
        EXPECT_EQ(failed, 0);
        EXPECT_EQ(evaluateExpression(tool, tool.outputs[1].expression, inputs, outputs, failed),
                  c.ome * 0.75);
        EXPECT_EQ(failed, 0);
    }
}

std::string repeat(const std::string& piece, int32_t count) {
    std::string text;
    for (int32_t i = 0; i < count; ++i) text += piece;
    return text;
}

// Nesting far beyond any real formula fails cleanly instead of exhausting the stack; ordinary
// depths evaluate normally.
TEST(Formula, DeepNestingFailsInsteadOfOverflowingTheStack) {
    struct DepthCase {
        std::string formula;
        double value;
        int32_t failed;
    };
    const int32_t deep = 100000;
    const DepthCase cases[] = {
        {repeat("(", 50) + "1" + repeat(")", 50), 1, 0},
        {repeat("-", 60) + "1", 1, 0},
        {repeat("abs(", 40) + "-1" + repeat(")", 40), 1, 0},
        {repeat("1?", 60) + "1" + repeat(":0", 60), 1, 0},
        {repeat("(", deep) + "1" + repeat(")", deep), 0, 1},
        {repeat("-", deep) + "1", 0, 1},
        {repeat("!", deep) + "1", 0, 1},
        {repeat("2^", deep) + "1", 1, 1},
        {repeat("0?0:", deep) + "1", 0, 1},
        {repeat("1?", deep) + "1", 0, 1},
        {repeat("abs(", deep) + "1" + repeat(")", deep), 0, 1},
        {repeat("max(1,", deep) + "1" + repeat(")", deep), 1, 1},
    };
    for (const DepthCase& c : cases) {
        SCOPED_TRACE(c.formula.substr(0, 12));
        int32_t failed = -1;
        double v =
            evaluateExpression(kTool, c.formula.c_str(), kInputValues, kOutputValues, failed);
        EXPECT_EQ(failed, c.failed);
        if (c.failed == 0) {
            EXPECT_EQ(v, c.value);
        }
    }
}

} // namespace
} // namespace tamrel
