#include "engine/calculate.h"

#include <algorithm>

#include "engine/format_value.h"
#include "engine/formula.h"
#include "reports/generate_report.h"
#include "text/text_buffer.h"

namespace tamrel {

namespace {

constexpr int32_t kLineCapacity = 256;

constexpr char16_t kPartialFailureLine[] = u"（部分结果无法计算，请检查输入是否合理）\r\n";
constexpr char16_t kDefaultVerdict[] = u"请核对输入参数后重新计算";

bool isEmpty(const char16_t* text) { return text == nullptr || text[0] == 0; }

// "label：value unit\r\n", or "label：value\r\n" without a unit; a line longer than the
// line buffer is cut there and so loses its CR LF.
void appendOutputLine(TextBuffer& result, const OutputField& output, double value) {
    char16_t valueText[kValueTextCapacity];
    formatValue(output.formatCode, value, valueText, kValueTextCapacity);

    char16_t lineText[kLineCapacity];
    TextBuffer line(lineText, kLineCapacity);
    line.append(output.label);
    line.append(u'：');
    line.append(valueText);
    if (!isEmpty(output.unit)) {
        line.append(u' ');
        line.append(output.unit);
    }
    line.append(u"\r\n");
    result.append(line.text(), line.length());
}

// The empty condition always matches; a condition that fails to evaluate never does.
bool ruleMatches(const ToolDefinition& tool, const VerdictRule& rule, const double* inputValues,
                 const double* outputValues) {
    if (rule.condition != nullptr && rule.condition[0] == 0) return true;
    int32_t failed = 0;
    double v = evaluateExpression(tool, rule.condition, inputValues, outputValues, failed);
    return failed == 0 && v != 0;
}

// The clamp keeps a malformed tool inside the value array.
int32_t outputCountOf(const ToolDefinition& tool) {
    return std::clamp(tool.outputCount, 0, kMaxOutputs);
}

} // namespace

int32_t evaluateOutputs(const ToolDefinition& tool, const double* inputValues,
                        double* outputValues) {
    std::fill(outputValues, outputValues + kMaxOutputs, 0.0);
    int32_t failures = 0;
    for (int32_t i = 0; i < outputCountOf(tool); ++i) {
        int32_t failed = 0;
        outputValues[i] = evaluateExpression(tool, tool.outputs[i].expression, inputValues,
                                             outputValues, failed);
        failures += failed;
    }
    return failures;
}

int32_t calculate(const ToolDefinition& tool, const double* inputValues, char16_t* resultText,
                  int32_t resultCapacity, char16_t* verdictText, int32_t verdictCapacity,
                  int32_t& alertLevel, char16_t* resultCopy, int32_t resultCopyCapacity) {
    TextBuffer copy(resultCopy, resultCopyCapacity);
    TextBuffer verdict(verdictText, verdictCapacity);
    TextBuffer result(resultText, resultCapacity);
    alertLevel = 0;

    if (tool.reportKind != kNoReport) {
        // The generator writes both texts itself; an empty verdict stays empty.
        alertLevel = generateReport(tool.reportKind, tool, inputValues, resultText,
                                    resultCapacity, verdictText, verdictCapacity);
        const TextBuffer report = TextBuffer::attach(resultText, resultCapacity);
        copy.append(report.text(), report.length());
        return alertLevel;
    }

    double outputValues[kMaxOutputs];
    const bool anyFailed = evaluateOutputs(tool, inputValues, outputValues) > 0;
    for (int32_t j = 0; j < outputCountOf(tool); ++j)
        appendOutputLine(result, tool.outputs[j], outputValues[j]);
    if (anyFailed) result.append(kPartialFailureLine);

    for (int32_t r = 0; r < tool.ruleCount; ++r) {
        const VerdictRule& rule = tool.rules[r];
        if (ruleMatches(tool, rule, inputValues, outputValues)) {
            verdict.append(rule.message);
            alertLevel = rule.level;
            break;
        }
    }
    if (verdict.length() == 0) verdict.append(kDefaultVerdict);

    copy.append(result.text(), result.length());
    return alertLevel;
}

} // namespace tamrel
