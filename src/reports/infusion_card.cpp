#include "reports/report_generators.h"
#include "reports/report_inputs.h"

namespace tamrel {

namespace {

// A giving set of 20 drops per millilitre: one drop a minute is 3 ml an hour.
constexpr double kMillilitresPerHourPerDrop = 3.0;

} // namespace

int32_t infusionCard(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                     TextBuffer& verdict) {
    const int32_t bed = findReportInt(tool, inputValues, "bed");
    const double dose = findInput(tool, inputValues, "dose");
    const double volume = findInput(tool, inputValues, "volume");
    const double gtt = findInput(tool, inputValues, "gtt");

    out.appendLine(u"静脉输液卡");
    TextBuffer& bedLine = out.startLine();
    bedLine.append(u"床号：");
    bedLine.appendInt(bed);
    out.endLine();
    TextBuffer& drugLine = out.startLine();
    drugLine.append(u"药液：医嘱药量 ");
    drugLine.appendFixed(dose, 2);
    drugLine.append(u" ，加入溶媒 ");
    drugLine.appendFixed(volume, 0);
    drugLine.append(u" ml");
    out.endLine();
    TextBuffer& rateLine = out.startLine();
    rateLine.append(u"滴速：");
    rateLine.appendFixed(gtt, 0);
    rateLine.append(u" 滴/分（约 ");
    rateLine.appendFixed(gtt * kMillilitresPerHourPerDrop, 0);
    rateLine.append(u" ml/h）");
    out.endLine();
    out.appendLine(u"核对：药名/剂量/浓度/有效期/配伍；双人签名。");
    out.appendLine(u"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。");
    verdict.append(u"输液卡已生成，双人核对后执行");
    return 0;
}

} // namespace tamrel
