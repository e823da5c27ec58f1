#include <cmath>
#include <cstdint>

#include "engine/calendar.h"
#include "platform/platform.h"
#include "reports/report_generators.h"
#include "reports/report_inputs.h"

namespace tamrel {

namespace {

// Scratch sizes of the pieces; none of the texts written comes near them.
constexpr int32_t kNurseNameCapacity = 12;
constexpr int32_t kRosterCellCapacity = 16;
constexpr int32_t kDosingEntryCapacity = 64;
constexpr int32_t kDateTextCapacity = 32;

constexpr int32_t kMaxNurses = 40;
constexpr int32_t kMaxRosterDays = 31;
constexpr char16_t kShiftLetters[] = {u'D', u'N', u'R'};

constexpr double kDefaultIntervalHours = 8.0;
constexpr int32_t kMaxDoses = 30;
// An entry shows its day as a 32-bit number; a day index from this on does not fit.
constexpr double kFirstDayIndexOutOfRange = 2147483647.0;

constexpr int32_t kDefaultFollowUpGap = 7;
constexpr int32_t kMaxFollowUps = 20;

// "第N天 HH:MM" of the dose at t hours (t >= 0) after midnight of day 1.
void appendDosingEntry(TextBuffer& entry, double t) {
    const double dayIndex = std::trunc(t / 24.0);
    // A time beyond the day range (or not finite) has no calendar place to show.
    if (!(dayIndex < kFirstDayIndexOutOfRange)) {
        entry.append(u"第--天 --:--");
        return;
    }
    const double f = std::fmod(t, 24.0);
    const int32_t hour = static_cast<int32_t>(f);
    // Minutes are cut, not rounded: a dose due at 08:59.9 is not yet due at 09:00.
    const int32_t minute = static_cast<int32_t>((f - hour) * 60.0);
    entry.append(u"第");
    entry.appendInt(1 + static_cast<int64_t>(dayIndex));
    entry.append(u"天 ");
    entry.appendInt(hour, 2);
    entry.append(u':');
    entry.appendInt(minute, 2);
}

} // namespace

int32_t nurseRoster(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                    TextBuffer& verdict) {
    const int32_t nurses = clampReportInt(findReportInt(tool, inputValues, "nurses"), 1, kMaxNurses);
    const int32_t days = clampReportInt(findReportInt(tool, inputValues, "days"), 1, kMaxRosterDays);

    out.appendLine(u"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。");
    TextBuffer& staff = out.startLine();
    staff.append(u"人员：");
    staff.appendInt(nurses);
    staff.append(u" 人；周期：");
    staff.appendInt(days);
    staff.append(u" 天");
    out.endLine();
    out.appendLine(u"");

    for (int32_t i = 1; i <= nurses; ++i) {
        char16_t nameData[kNurseNameCapacity];
        TextBuffer name(nameData, kNurseNameCapacity);
        name.append(u"护士");
        name.appendInt(i, 2);
        TextBuffer& nameLine = out.startLine();
        nameLine.append(name.text());
        nameLine.append(u"：");
        out.endLine();

        out.appendText(u"  ");
        for (int32_t d = 1; d <= days; ++d) {
            // The day shift moves on by one nurse a day, so each day the first three nurses
            // hold the three shifts once each.
            const int32_t shift = ((i - 1) + 2 * (d - 1)) % 3;
            char16_t cellData[kRosterCellCapacity];
            TextBuffer cell(cellData, kRosterCellCapacity);
            cell.appendInt(d);
            cell.append(u'日');
            cell.append(kShiftLetters[shift]);
            cell.append(u' ');
            out.appendText(cell.text());
        }
        out.appendText(u"\r\n");
    }

    out.appendLine(u"");
    out.appendLine(u"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。");
    verdict.append(u"已生成轮转排班表，可复制到排班本或表格");
    return 0;
}

int32_t dosingTimes(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                    TextBuffer& verdict) {
    double start = findInput(tool, inputValues, "start");
    // Negative starts become midnight; so do -0 (which would print as "-0") and NaN.
    if (!(start > 0.0)) start = 0.0;
    double interval = findInput(tool, inputValues, "interval");
    if (!(interval > 0.0)) interval = kDefaultIntervalHours;
    const int32_t times = clampReportInt(findReportInt(tool, inputValues, "times"), 1, kMaxDoses);

    TextBuffer& heading = out.startLine();
    heading.append(u"首剂时间 ");
    heading.appendFixed(start, 0);
    heading.append(u":00，间隔 ");
    heading.appendFixed(interval, 0);
    heading.append(u" 小时，共 ");
    heading.appendInt(times);
    heading.append(u" 次：");
    out.endLine();

    for (int32_t k = 0; k < times; ++k) {
        char16_t entryData[kDosingEntryCapacity];
        TextBuffer entry(entryData, kDosingEntryCapacity);
        appendDosingEntry(entry, start + k * interval);
        out.appendText(entry.text());
        out.appendText(k + 1 < times ? u"  |  " : u"\r\n");
    }

    out.appendLine(u"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。");
    verdict.append(u"给药时间表已生成，注意首剂与夜间给药时间");
    return 0;
}

int32_t followUpDates(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                      TextBuffer& verdict) {
    // A negative start counts back from today.
    const int32_t start = findReportInt(tool, inputValues, "start");
    int32_t gap = findReportInt(tool, inputValues, "gap");
    if (gap < 1) gap = kDefaultFollowUpGap;
    const int32_t times = clampReportInt(findReportInt(tool, inputValues, "times"), 1, kMaxFollowUps);
    const platform::LocalDateTime now = platform::localNow();
    const int64_t today = daysFromCivil(now.year, now.month, now.day);

    TextBuffer& heading = out.startLine();
    heading.append(u"随访节点（以今天为基准，起始第 ");
    heading.appendInt(start);
    heading.append(u" 天，间隔 ");
    heading.appendInt(gap);
    heading.append(u" 天，共 ");
    heading.appendInt(times);
    heading.append(u" 次）：");
    out.endLine();

    for (int32_t k = 1; k <= times; ++k) {
        // At most 20 steps of a 32-bit gap: far inside the 64-bit calendar range.
        const int64_t day = today + start + static_cast<int64_t>(k - 1) * gap;
        char16_t dateData[kDateTextCapacity];
        TextBuffer date(dateData, kDateTextCapacity);
        appendDate(date, day);
        TextBuffer& line = out.startLine();
        line.append(u"第 ");
        line.appendInt(k);
        line.append(u" 次：");
        line.append(date.text());
        out.endLine();
    }

    out.appendLine(u"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。");
    verdict.append(u"随访计划已生成，可按日期短信提醒患者");
    return 0;
}

} // namespace tamrel
