#include <gtest/gtest.h>

#include <climits>

#include "platform/platform.h"
#include "report_test_tool.h"
#include "reports/generate_report.h"
#include "support/allocation_counter.h"

namespace tamrel {
namespace {

using test::runReport;

TEST(GenerateReport, KindsWithoutAReportGetTheNotice) {
    for (int32_t kind : {0, 12, -1, 100, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(kind);
        test::ReportOutput out = runReport(kind, {{"kind", 1}});
        EXPECT_EQ(out.text, u"（该工具暂无自定义报告）");
        EXPECT_EQ(out.verdict, u"暂无报告内容");
        EXPECT_EQ(out.level, 0);
    }
}

// Inputs that make every report long, so a small result buffer cuts each of them.
const std::vector<test::TestInput> kBusyInputs = {
    {"kind", 1},  {"nurses", 40}, {"days", 31},   {"start", 8},  {"interval", 8},
    {"times", 30}, {"drugA", 1},  {"drugB", 2},   {"gap", 7},    {"beds", 30},
    {"bed", 3},   {"dose", 1},    {"volume", 100}, {"gtt", 40},  {"panel", 2},
};

class GenerateReportAllKinds : public ::testing::Test {
protected:
    void SetUp() override {
        const platform::LocalDateTime now{2024, 2, 28, 8, 0, 0};
        platform::setFixedNow(&now);
    }
    void TearDown() override { platform::setFixedNow(nullptr); }
};

TEST_F(GenerateReportAllKinds, VerdictIsSetEvenWhenTheTextIsCut) {
    for (int32_t kind = kNurseRoster; kind <= kLabPanels; ++kind) {
        SCOPED_TRACE(kind);
        test::ReportOutput whole = runReport(kind, kBusyInputs);
        test::ReportOutput cut = runReport(kind, kBusyInputs, 8);
        EXPECT_EQ(cut.text, whole.text.substr(0, 7));
        EXPECT_EQ(cut.verdict, whole.verdict);
        EXPECT_FALSE(cut.verdict.empty());
        EXPECT_EQ(cut.level, whole.level);
    }
}

TEST_F(GenerateReportAllKinds, NothingIsAllocated) {
    for (int32_t kind = -1; kind <= kLabPanels + 1; ++kind) {
        SCOPED_TRACE(kind);
        test::ReportTool tool(kind, kBusyInputs);
        static char16_t result[8192];
        char16_t verdict[512];
        const int64_t before = test::allocationCount();
        generateReport(kind, tool.tool(), tool.values(), result, 8192, verdict, 512);
        EXPECT_EQ(test::allocationCount() - before, 0);
        EXPECT_NE(result[0], 0);
    }
}

} // namespace
} // namespace tamrel
