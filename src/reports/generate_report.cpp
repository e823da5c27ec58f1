#include "reports/generate_report.h"

#include "reports/report_generators.h"
#include "reports/report_writer.h"
#include "text/text_buffer.h"

namespace tamrel {

namespace {

using ReportGenerator = int32_t (*)(const ToolDefinition&, const double*, ReportWriter&,
                                    TextBuffer&);

// Indexed by report kind; kind 0 is a formula tool and has no generator.
constexpr ReportGenerator kGenerators[] = {
    nullptr,           nurseRoster,      dosingTimes,        bloodDrawOrder,
    criticalValues,    highAlertDrugs,   compatibilityCheck, followUpDates,
    surgicalChecklist, handoverTemplate, infusionCard,       labPanels,
};
static_assert(sizeof kGenerators / sizeof kGenerators[0] == kLabPanels + 1);

} // namespace

int32_t generateReport(int32_t kind, const ToolDefinition& tool, const double* inputValues,
                       char16_t* resultText, int32_t resultCapacity, char16_t* verdictText,
                       int32_t verdictCapacity) {
    // Both texts start empty.
    TextBuffer result(resultText, resultCapacity);
    TextBuffer verdict(verdictText, verdictCapacity);
    if (kind < kNurseRoster || kind > kLabPanels) {
        result.append(u"（该工具暂无自定义报告）");
        verdict.append(u"暂无报告内容");
        return 0;
    }
    ReportWriter out(resultText, resultCapacity);
    return kGenerators[kind](tool, inputValues, out, verdict);
}

} // namespace tamrel
