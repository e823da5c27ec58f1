#include "reports/generate_report.h"

#include "text/text_buffer.h"

namespace tamrel {

int32_t generateReport(int32_t kind, const ToolDefinition& tool, const double* inputValues,
                       char16_t* resultText, int32_t resultCapacity, char16_t* verdictText,
                       int32_t verdictCapacity) {
    (void)tool;
    (void)inputValues;
    TextBuffer result(resultText, resultCapacity);
    TextBuffer verdict(verdictText, verdictCapacity);
    switch (kind) {
    default:
        result.append(u"（该工具暂无自定义报告）");
        verdict.append(u"暂无报告内容");
        return 0;
    }
}

} // namespace tamrel
