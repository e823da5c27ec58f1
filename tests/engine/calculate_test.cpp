#include <gtest/gtest.h>

#include <string>

#include "engine/calculate.h"
#include "engine/formula.h"
#include "platform/platform.h"
#include "reports/generate_report.h"
#include "support/allocation_counter.h"

namespace tamrel {
namespace {

constexpr char16_t kCanary = u'#';
constexpr char16_t kNormal[] = u"等效剂量换算完成，注意个体差异";
constexpr char16_t kHigh[] = u"高剂量阿片，需专科评估并备纳洛酮";
constexpr char16_t kDefaultVerdict[] = u"请核对输入参数后重新计算";
constexpr char16_t kPartialFailure[] = u"（部分结果无法计算，请检查输入是否合理）\r\n";

// The three caller buffers, filled with a canary so that a missing terminator or a write past
// a capacity shows.
struct Outcome {
    static constexpr int32_t kSize = 8192;
    char16_t result[kSize + 1];
    char16_t verdict[kSize + 1];
    char16_t copy[kSize + 1];
    int32_t level = -1;
    int32_t returned = -1;

    Outcome(const ToolDefinition& tool, const double* inputs, int32_t resultCapacity = 4096,
            int32_t verdictCapacity = 512, int32_t copyCapacity = 8192) {
        for (char16_t* b : {result, verdict, copy})
            for (int32_t i = 0; i <= kSize; ++i) b[i] = kCanary;
        returned = calculate(tool, inputs, result, resultCapacity, verdict, verdictCapacity,
                             level, copy, copyCapacity);
        EXPECT_EQ(result[resultCapacity], kCanary);
        EXPECT_EQ(verdict[verdictCapacity], kCanary);
        EXPECT_EQ(copy[copyCapacity], kCanary);
        EXPECT_EQ(returned, level);
    }
    std::u16string resultText() const { return result; }
    std::u16string verdictText() const { return verdict; }
    std::u16string copyText() const { return copy; }
};

TEST(Calculate, BuiltInToolWithItsDefaults) {
    const ToolDefinition& tool = builtInTool();
    const double inputs[] = {tool.inputs[0].defaultValue, tool.inputs[1].defaultValue};
    Outcome o(tool, inputs);
    EXPECT_EQ(o.resultText(), u"口服吗啡当量：30.0 mg\r\n换算后起始量(75%)：22.5 mg\r\n");
    EXPECT_EQ(o.verdictText(), kNormal);
    EXPECT_EQ(o.level, 0);
    EXPECT_EQ(o.copyText(), o.resultText());
}

struct DrugCase {
    double drug;
    double dose;
    const char16_t* result;
    const char16_t* verdict;
    int32_t level;
};

TEST(Calculate, BuiltInToolConvertsEachDrug) {
    const DrugCase cases[] = {
        {2, 120, u"口服吗啡当量：360.0 mg\r\n换算后起始量(75%)：270.0 mg\r\n", kHigh, 3},
        {1, 300, u"口服吗啡当量：300.0 mg\r\n换算后起始量(75%)：225.0 mg\r\n", kNormal, 0},
        {1, 300.01, u"口服吗啡当量：300.0 mg\r\n换算后起始量(75%)：225.0 mg\r\n", kHigh, 3},
        {3, 20, u"口服吗啡当量：30.0 mg\r\n换算后起始量(75%)：22.5 mg\r\n", kNormal, 0},
        {4, 200, u"口服吗啡当量：30.0 mg\r\n换算后起始量(75%)：22.5 mg\r\n", kNormal, 0},
        // Any other code is codeine; 11.25 rounds to the even digit.
        {0, 100, u"口服吗啡当量：15.0 mg\r\n换算后起始量(75%)：11.2 mg\r\n", kNormal, 0},
        {2.5, 100, u"口服吗啡当量：15.0 mg\r\n换算后起始量(75%)：11.2 mg\r\n", kNormal, 0},
        {1, 1e300, u"口服吗啡当量：1.0e+300 mg\r\n换算后起始量(75%)：7.5e+299 mg\r\n", kHigh, 3},
    };
    for (const DrugCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.drug << " " << c.dose);
        const double inputs[] = {c.drug, c.dose};
        Outcome o(builtInTool(), inputs);
        EXPECT_EQ(o.resultText(), c.result);
        EXPECT_EQ(o.verdictText(), c.verdict);
        EXPECT_EQ(o.level, c.level);
    }
}

// Outputs in order, each seeing the ones before it; failed values are stored and shown.
constexpr OutputField kChainOutputs[] = {
    {"a", u"甲", u"mg", "1/0", "f1"},            // fails with 0
    {"b", u"乙", nullptr, "a+x", "f0"},           // sees a's stored 0
    {"c", u"丙", u"", "c+d+1", nullptr},          // itself and a later output read 0
    {"d", u"丁", u"%", "b*2", "pct"},
    {"e", u"戊", u"", "sqrt(-1)*0+exp(1000)", "f2"},  // fails, not finite
};
constexpr InputField kX[] = {{"x", u"x", u"", 0}};
constexpr VerdictRule kChainRules[] = {{"d>5", 2, u"多"}, {"", 0, u"少"}};
constexpr ToolDefinition kChainTool = {
    2, u"chain", nullptr, u"", u"", nullptr, 1, kX, 5, kChainOutputs, 2, kChainRules, 0,
};

TEST(Calculate, OutputsSeeEarlierOutputsAndFailuresAreListed) {
    const double inputs[] = {4};
    Outcome o(kChainTool, inputs);
    EXPECT_EQ(o.resultText(),
              std::u16string(u"甲：0.0 mg\r\n乙：4\r\n丙：1.00\r\n丁：8.0% %\r\n戊：--\r\n") +
                  kPartialFailure);
    EXPECT_EQ(o.verdictText(), u"多");
    EXPECT_EQ(o.level, 2);
}

struct RuleCase {
    const char* name;
    VerdictRule rules[3];
    int32_t ruleCount;
    const char16_t* verdict;
    int32_t level;
};

TEST(Calculate, FirstMatchingRuleGivesVerdictAndLevel) {
    const RuleCase cases[] = {
        {"first match wins", {{"x>1", 1, u"一"}, {"x>2", 2, u"二"}, {"", 3, u"三"}}, 3, u"一", 1},
        {"failing condition never matches",
         {{"1/0 + 1", 3, u"坏"}, {"x>1 ? 1 : unknown", 2, u"未知"}, {"", 1, u"缺省"}}, 3,
         u"缺省", 1},
        {"empty message", {{"x", 2, u""}, {"", 1, u"不到"}}, 2, kDefaultVerdict, 2},
        {"no rule matches", {{"x<0", 3, u"负"}}, 1, kDefaultVerdict, 0},
        {"no rules", {}, 0, kDefaultVerdict, 0},
        {"outputs are visible", {{"y==8", 3, u"八"}}, 1, u"八", 3},
    };
    constexpr OutputField outputs[] = {{"y", u"y", u"", "x*2", "f0"}};
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolDefinition tool = {
            3, u"rules", nullptr, u"", u"", nullptr, 1, kX, 1, outputs, c.ruleCount, c.rules, 0,
        };
        const double inputs[] = {4};
        Outcome o(tool, inputs);
        EXPECT_EQ(o.resultText(), u"y：8\r\n");
        EXPECT_EQ(o.verdictText(), c.verdict);
        EXPECT_EQ(o.level, c.level);
    }
}

// Long labels: each line is cut at 255 characters and loses its CR LF; the result text is cut
// at its capacity - 1, so the last lines and the partial-failure line are lost without notice.
TEST(Calculate, LongTextsAreCutAtTheirCapacities) {
    static const std::u16string label(300, u'长');
    static const OutputField output = {"v", label.c_str(), u"mg", "1/0", "f1"};
    static OutputField outputs[kMaxOutputs];
    for (OutputField& f : outputs) f = output;
    const ToolDefinition tool = {
        4, u"long", nullptr, u"", u"", nullptr, 0, nullptr, kMaxOutputs, outputs, 0, nullptr, 0,
    };
    const std::u16string line = label.substr(0, 255);

    Outcome full(tool, nullptr, 8192, 512, 8192);
    std::u16string all;
    for (int32_t i = 0; i < kMaxOutputs; ++i) all += line;
    EXPECT_EQ(full.resultText(), all + kPartialFailure);

    Outcome cut(tool, nullptr, 4096, 512, 8192);
    EXPECT_EQ(cut.resultText(), (all + kPartialFailure).substr(0, 4095));
    EXPECT_EQ(cut.copyText(), cut.resultText());
}

TEST(Calculate, SmallBuffersAreCutAndStayTerminated) {
    const double inputs[] = {1, 30};
    Outcome o(builtInTool(), inputs, 10, 13, 5);
    EXPECT_EQ(o.resultText(), u"口服吗啡当量：30");
    EXPECT_EQ(o.verdictText(), u"等效剂量换算完成，注意个");
    EXPECT_EQ(o.copyText(), u"口服吗啡");

    const double high[] = {2, 120};
    Outcome one(builtInTool(), high, 1, 13, 1);
    EXPECT_EQ(one.resultText(), u"");
    EXPECT_EQ(one.copyText(), u"");
    EXPECT_EQ(one.level, 3);
}

// Report tools go to the report dispatch: no output is evaluated and its texts and level come
// back unchanged.
TEST(Calculate, ReportKindsHandOverToTheReportDispatch) {
    constexpr OutputField outputs[] = {{"a", u"甲", u"", "1/0", "f1"}};
    constexpr VerdictRule rules[] = {{"", 3, u"不应出现"}};
    // Dated reports must see the same moment in both calls.
    const platform::LocalDateTime now = {2024, 10, 4, 8, 30, 0};
    platform::setFixedNow(&now);
    for (int32_t kind : {1, 7, 11, 99, -1}) {
        SCOPED_TRACE(kind);
        const ToolDefinition tool = {
            5, u"report", nullptr, u"", u"", nullptr, 1, kX, 1, outputs, 1, rules, kind,
        };
        const double inputs[] = {3};
        char16_t result[4096];
        char16_t verdict[512];
        const int32_t level = generateReport(kind, tool, inputs, result, 4096, verdict, 512);

        Outcome o(tool, inputs);
        EXPECT_EQ(o.resultText(), result);
        EXPECT_EQ(o.verdictText(), verdict);
        EXPECT_EQ(o.level, level);
        EXPECT_EQ(o.copyText(), o.resultText());
        EXPECT_EQ(o.resultText().find(u"甲"), std::u16string::npos);
    }
    platform::setFixedNow(nullptr);
}

TEST(Calculate, AllocatesNothing) {
    const ToolDefinition& tool = builtInTool();
    const double inputs[] = {2, 120};
    static char16_t result[4096];
    static char16_t verdict[512];
    static char16_t copy[8192];
    int32_t level = 0;
    int32_t failed = 0;

    const int64_t before = test::allocationCount();
    const int32_t high = calculate(tool, inputs, result, 4096, verdict, 512, level, copy, 8192);
    calculate(kChainTool, inputs, result, 4096, verdict, 512, level, copy, 8192);
    evaluateExpression(tool, tool.outputs[1].expression, inputs, inputs, failed);
    evaluateExpression(tool, "max(sqrt(dose), round(drug)) + min(1/0, 2) ? 1 : x", inputs,
                       inputs, failed);
    EXPECT_EQ(test::allocationCount(), before);
    EXPECT_EQ(high, 3);
}

} // namespace
} // namespace tamrel
