#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "platform/platform.h"
#include "report_lines.h"
#include "report_test_tool.h"
#include "reports/generate_report.h"

namespace tamrel {
namespace {

using test::reportLines;
using test::runReport;
using test::splitLines;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const char16_t* const kRosterRule =
    u"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。";
const char16_t* const kRosterHint =
    u"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。";

TEST(NurseRoster, WithoutInputsOneNurseForOneDay) {
    test::ReportOutput out = runReport(kNurseRoster, {});
    EXPECT_EQ(out.text, reportLines({kRosterRule, u"人员：1 人；周期：1 天", u"", u"护士01：",
                                     u"  1日D ", u"", kRosterHint}));
    EXPECT_EQ(out.verdict, u"已生成轮转排班表，可复制到排班本或表格");
    EXPECT_EQ(out.level, 0);
}

// The day shift passes to the next nurse each day; nurse 4 repeats nurse 1.
TEST(NurseRoster, LetterPatternOfFourNursesOverAWeek) {
    EXPECT_EQ(runReport(kNurseRoster, {{"nurses", 4}, {"days", 7}}).text,
              reportLines({kRosterRule, u"人员：4 人；周期：7 天", u"",
                           u"护士01：", u"  1日D 2日R 3日N 4日D 5日R 6日N 7日D ",
                           u"护士02：", u"  1日N 2日D 3日R 4日N 5日D 6日R 7日N ",
                           u"护士03：", u"  1日R 2日N 3日D 4日R 5日N 6日D 7日R ",
                           u"护士04：", u"  1日D 2日R 3日N 4日D 5日R 6日N 7日D ",
                           u"", kRosterHint}));
}

TEST(NurseRoster, CountsAreClamped) {
    struct Case {
        const char* name;
        double nurses;
        double days;
        size_t expectedNurses;
        const char16_t* staffLine;
        const char16_t* lastCellLine;  // of the last nurse
    };
    const Case cases[] = {
        {"41 nurses give 40", 41, 2, 40, u"人员：40 人；周期：2 天", u"  1日D 2日R "},
        {"0 days give 1", 2, 0, 2, u"人员：2 人；周期：1 天", u"  1日N "},
        {"2.7 nurses give 2", 2.7, 1, 2, u"人员：2 人；周期：1 天", u"  1日N "},
        {"-1e10 nurses give 1", -1e10, 1, 1, u"人员：1 人；周期：1 天", u"  1日D "},
        {"45 days give 31", 1, 45, 1, u"人员：1 人；周期：31 天",
         u"  1日D 2日R 3日N 4日D 5日R 6日N 7日D 8日R 9日N 10日D 11日R 12日N 13日D 14日R "
         u"15日N 16日D 17日R 18日N 19日D 20日R 21日N 22日D 23日R 24日N 25日D 26日R 27日N "
         u"28日D 29日R 30日N 31日D "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::u16string> lines =
            splitLines(runReport(kNurseRoster, {{"nurses", c.nurses}, {"days", c.days}}).text);
        ASSERT_EQ(lines.size(), 3 + 2 * c.expectedNurses + 2);
        EXPECT_EQ(lines[1], c.staffLine);
        EXPECT_EQ(lines[3 + 2 * c.expectedNurses - 1], c.lastCellLine);
    }
}

// 40 nurses over 31 days is 6,390 characters: the window's 4,096-character buffer holds its
// beginning, cut mid-line, and the verdict is set all the same.
TEST(NurseRoster, LargestRosterIsCutInTheWindowBuffer) {
    test::ReportOutput whole = runReport(kNurseRoster, {{"nurses", 40}, {"days", 31}});
    EXPECT_EQ(whole.text.size(), 6390u);
    test::ReportOutput cut = runReport(kNurseRoster, {{"nurses", 40}, {"days", 31}}, 4096);
    EXPECT_EQ(cut.text, whole.text.substr(0, 4095));
    EXPECT_EQ(cut.verdict, u"已生成轮转排班表，可复制到排班本或表格");
}

const char16_t* const kDosingNote = u"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。";

TEST(DosingTimes, FullReportForEightHourly) {
    test::ReportOutput out = runReport(kDosingTimes, {{"start", 8}, {"interval", 8}, {"times", 4}});
    EXPECT_EQ(out.text, reportLines({u"首剂时间 8:00，间隔 8 小时，共 4 次：",
                                     u"第1天 08:00  |  第1天 16:00  |  第2天 00:00  |  第2天 08:00",
                                     kDosingNote}));
    EXPECT_EQ(out.verdict, u"给药时间表已生成，注意首剂与夜间给药时间");
    EXPECT_EQ(out.level, 0);
}

TEST(DosingTimes, HeadingAndEntries) {
    struct Case {
        const char* name;
        double start;
        double interval;
        double times;
        const char16_t* heading;  // null: not checked
        const char16_t* entries;
    };
    const double lastDay = 24.0 * 2147483646.0;  // day 2147483647 begins here
    const Case cases[] = {
        {"entries across midnight", 22, 1.5, 3, u"首剂时间 22:00，间隔 2 小时，共 3 次：",
         u"第1天 22:00  |  第1天 23:30  |  第2天 01:00"},
        {"heading rounds, the entry shows minutes", 7.5, 8, 1,
         u"首剂时间 8:00，间隔 8 小时，共 1 次：", u"第1天 07:30"},
        {"heading halves go to even", 6.5, 2.5, 1, u"首剂时间 6:00，间隔 2 小时，共 1 次：",
         u"第1天 06:30"},
        {"minutes are truncated", 8 + 59.9 / 60, 8, 1, u"首剂时间 9:00，间隔 8 小时，共 1 次：",
         u"第1天 08:59"},
        {"negative start is midnight", -5, 8, 1, u"首剂时间 0:00，间隔 8 小时，共 1 次：",
         u"第1天 00:00"},
        {"negative zero start is midnight", -0.0, 8, 1, u"首剂时间 0:00，间隔 8 小时，共 1 次：",
         u"第1天 00:00"},
        {"interval 0 is 8", 0, 0, 2, u"首剂时间 0:00，间隔 8 小时，共 2 次：",
         u"第1天 00:00  |  第1天 08:00"},
        {"negative interval is 8", 0, -2, 2, u"首剂时间 0:00，间隔 8 小时，共 2 次：",
         u"第1天 00:00  |  第1天 08:00"},
        {"times 0 is one entry", 12, 6, 0, u"首剂时间 12:00，间隔 6 小时，共 1 次：",
         u"第1天 12:00"},
        {"times 2.9 is two", 12, 6, 2.9, u"首剂时间 12:00，间隔 6 小时，共 2 次：",
         u"第1天 12:00  |  第1天 18:00"},
        {"several days on", 0, 50, 3, nullptr, u"第1天 00:00  |  第3天 02:00  |  第5天 04:00"},
        {"last day that fits", lastDay + 23.5, 8, 1, nullptr, u"第2147483647天 23:30"},
        {"the day after is out of range", lastDay + 24, 8, 1, nullptr, u"第--天 --:--"},
        {"huge start", 1e300, 8, 2, nullptr, u"第--天 --:--  |  第--天 --:--"},
        {"huge interval", 8, 1e300, 2, nullptr, u"第1天 08:00  |  第--天 --:--"},
        {"NaN start is midnight", kNaN, 8, 1, u"首剂时间 0:00，间隔 8 小时，共 1 次：",
         u"第1天 00:00"},
        {"NaN interval is 8", 0, kNaN, 2, u"首剂时间 0:00，间隔 8 小时，共 2 次：",
         u"第1天 00:00  |  第1天 08:00"},
        // 0 x infinity is not a number: no entry has a place.
        {"infinite interval", 0, kInf, 2, nullptr, u"第--天 --:--  |  第--天 --:--"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::u16string> lines = splitLines(
            runReport(kDosingTimes, {{"start", c.start}, {"interval", c.interval}, {"times", c.times}})
                .text);
        ASSERT_EQ(lines.size(), 3u);
        if (c.heading != nullptr) {
            EXPECT_EQ(lines[0], c.heading);
        }
        EXPECT_EQ(lines[1], c.entries);
        EXPECT_EQ(lines[2], kDosingNote);
    }
}

TEST(DosingTimes, MissingInputsAndTheCountClamp) {
    EXPECT_EQ(runReport(kDosingTimes, {}).text,
              reportLines({u"首剂时间 0:00，间隔 8 小时，共 1 次：", u"第1天 00:00", kDosingNote}));
    std::vector<std::u16string> lines =
        splitLines(runReport(kDosingTimes, {{"start", 0}, {"interval", 1}, {"times", 45}}).text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], u"首剂时间 0:00，间隔 1 小时，共 30 次：");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 12), u"|  第2天 05:00");
    size_t separators = 0;
    for (size_t at = lines[1].find(u"  |  "); at != std::u16string::npos;
         at = lines[1].find(u"  |  ", at + 1))
        ++separators;
    EXPECT_EQ(separators, 29u);
}

class FollowUpDates : public ::testing::Test {
protected:
    void TearDown() override { platform::setFixedNow(nullptr); }
    static void setToday(int32_t year, int32_t month, int32_t day) {
        const platform::LocalDateTime now{year, month, day, 9, 30, 0};
        platform::setFixedNow(&now);
    }
};

const char16_t* const kFollowUpContent =
    u"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。";

TEST_F(FollowUpDates, FullReportAcrossAMonthEnd) {
    setToday(2024, 1, 30);
    test::ReportOutput out = runReport(kFollowUpDates, {{"start", 0}, {"gap", 1}, {"times", 3}});
    EXPECT_EQ(out.text, reportLines({u"随访节点（以今天为基准，起始第 0 天，间隔 1 天，共 3 次）：",
                                     u"第 1 次：2024-01-30", u"第 2 次：2024-01-31",
                                     u"第 3 次：2024-02-01", kFollowUpContent}));
    EXPECT_EQ(out.verdict, u"随访计划已生成，可按日期短信提醒患者");
    EXPECT_EQ(out.level, 0);
}

TEST_F(FollowUpDates, DatesFollowTheGregorianCalendar) {
    struct Case {
        const char* name;
        int32_t year, month, day;
        double start, gap, times;
        std::vector<const char16_t*> dates;
    };
    const Case cases[] = {
        {"year end", 2023, 12, 30, 1, 1, 3, {u"2023-12-31", u"2024-01-01", u"2024-01-02"}},
        {"leap February", 2024, 2, 27, 1, 1, 3, {u"2024-02-28", u"2024-02-29", u"2024-03-01"}},
        {"common February", 2023, 2, 27, 1, 1, 2, {u"2023-02-28", u"2023-03-01"}},
        {"2100 is no leap year", 2100, 2, 28, 0, 1, 2, {u"2100-02-28", u"2100-03-01"}},
        {"2000 is a leap year", 2000, 2, 28, 1, 1, 1, {u"2000-02-29"}},
        {"monthly steps through a leap year", 2024, 1, 31, 30, 30, 3,
         {u"2024-03-01", u"2024-03-31", u"2024-04-30"}},
        {"negative start counts back", 2025, 1, 1, -3, 7, 2, {u"2024-12-29", u"2025-01-05"}},
        {"gap 0 is a week", 2024, 1, 1, 0, 0, 2, {u"2024-01-01", u"2024-01-08"}},
        {"negative gap is a week", 2024, 1, 1, 0, -5, 2, {u"2024-01-01", u"2024-01-08"}},
        {"start 2.9 is two days", 2024, 12, 30, 2.9, 7, 1, {u"2025-01-01"}},
        {"times 0 is one date", 2024, 6, 1, 0, 7, 0, {u"2024-06-01"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setToday(c.year, c.month, c.day);
        std::vector<std::u16string> lines = splitLines(
            runReport(kFollowUpDates, {{"start", c.start}, {"gap", c.gap}, {"times", c.times}}).text);
        ASSERT_EQ(lines.size(), c.dates.size() + 2);
        for (size_t k = 0; k < c.dates.size(); ++k) {
            std::u16string expected = u"第 ";
            expected += static_cast<char16_t>(u'1' + k);
            expected += u" 次：";
            expected += c.dates[k];
            EXPECT_EQ(lines[k + 1], expected);
        }
        EXPECT_EQ(lines.back(), kFollowUpContent);
    }
}

TEST_F(FollowUpDates, HeadingShowsTheValuesInUse) {
    setToday(2024, 5, 15);
    struct Case {
        const char* name;
        std::vector<test::TestInput> inputs;
        const char16_t* heading;
        size_t dates;
    };
    const Case cases[] = {
        {"no inputs", {}, u"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 1 次）：", 1},
        {"negative start", {{"start", -3}, {"gap", 14}, {"times", 2}},
         u"随访节点（以今天为基准，起始第 -3 天，间隔 14 天，共 2 次）：", 2},
        {"times 25 gives 20", {{"times", 25}},
         u"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 20 次）：", 20},
        {"far start and widest gap", {{"start", -1e10}, {"gap", 2147483647}, {"times", 20}},
         u"随访节点（以今天为基准，起始第 -2147483648 天，间隔 2147483647 天，共 20 次）：", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::u16string> lines = splitLines(runReport(kFollowUpDates, c.inputs).text);
        ASSERT_EQ(lines.size(), c.dates + 2);
        EXPECT_EQ(lines[0], c.heading);
    }
    // Three days before today.
    EXPECT_EQ(splitLines(runReport(kFollowUpDates, {{"start", -3}}).text)[1], u"第 1 次：2024-05-12");
}

// The farthest dates the inputs can reach are computed in 64 bits, not wrapped in 32.
TEST_F(FollowUpDates, FarDatesStayExact) {
    setToday(2024, 5, 15);
    std::vector<std::u16string> lines = splitLines(
        runReport(kFollowUpDates, {{"start", -1e10}, {"gap", 2147483647}, {"times", 20}}).text);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[1], u"第 1 次：-5877587-11-04");
    EXPECT_EQ(lines[2], u"第 2 次：2024-05-14");
    EXPECT_EQ(lines[3], u"第 3 次：5881634-11-22");
    EXPECT_EQ(lines[20], u"第 20 次：105835013-10-23");
}

} // namespace
} // namespace tamrel
