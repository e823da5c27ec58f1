#include "app/self_test.h"

#include "engine/calculate.h"
#include "engine/format_value.h"
#include "platform/platform.h"
#include "text/text_buffer.h"

namespace tamrel {

namespace {

constexpr int32_t kResultCapacity = 8192;
constexpr int32_t kVerdictCapacity = 512;
constexpr int32_t kOutLineCapacity = 512;
constexpr int32_t kDetailLimit = 8000;

// "OUT|label|value|unit" for each output, evaluated exactly as the calculation does, so that
// these values always agree with the DETAIL line.
int32_t appendOutLines(TextBuffer& report, const ToolDefinition& tool, const double* inputs) {
    double outputs[kMaxOutputs];
    const int32_t errors = evaluateOutputs(tool, inputs, outputs);
    for (int32_t i = 0; i < tool.outputCount && i < kMaxOutputs; ++i) {
        const OutputField& output = tool.outputs[i];
        char16_t valueText[kValueTextCapacity];
        formatValue(output.formatCode, outputs[i], valueText, kValueTextCapacity);
        char16_t lineText[kOutLineCapacity];
        TextBuffer line(lineText, kOutLineCapacity);
        line.append(u"OUT|");
        line.append(output.label);
        line.append(u'|');
        line.append(valueText);
        line.append(u'|');
        line.append(output.unit);
        line.append(u"\r\n");
        report.append(line.text());
    }
    return errors;
}

// The result text on one line: CRs dropped, LFs as spaces, at most 8000 characters.
void appendDetail(TextBuffer& report, const char16_t* resultText) {
    report.append(u"DETAIL|");
    int32_t taken = 0;
    for (const char16_t* p = resultText; *p != 0 && taken < kDetailLimit; ++p) {
        if (*p == u'\r') continue;
        report.append(*p == u'\n' ? u' ' : *p);
        ++taken;
    }
    report.append(u"\r\n");
}

} // namespace

int32_t buildSelfTestReport(const ToolDefinition& tool, char16_t* reportText, int32_t capacity) {
    double inputs[kMaxInputs] = {};
    for (int32_t i = 0; i < tool.inputCount && i < kMaxInputs; ++i)
        inputs[i] = tool.inputs[i].defaultValue;

    static char16_t resultText[kResultCapacity];
    static char16_t resultCopy[kResultCapacity];
    char16_t verdictText[kVerdictCapacity];
    int32_t level = 0;
    calculate(tool, inputs, resultText, kResultCapacity, verdictText, kVerdictCapacity, level,
              resultCopy, kResultCapacity);

    TextBuffer report(reportText, capacity);
    report.append(u"TOOL|");
    report.appendInt(tool.id);
    report.append(u'|');
    report.append(tool.name);
    report.append(u'|');
    report.append(tool.category);
    report.append(u"\r\n");
    report.append(u"LEVEL|");
    report.appendInt(level);
    report.append(u"\r\n");

    int32_t errors = 0;
    if (tool.reportKind != 0)
        report.append(u"OUT|报告文本|见 DETAIL|\r\n");
    else
        errors = appendOutLines(report, tool, inputs);

    report.append(u"VERDICT|");
    report.append(verdictText);
    report.append(u"\r\n");
    appendDetail(report, resultText);
    report.append(u"ERRORS|");
    report.appendInt(errors);
    report.append(u"\r\n");
    return errors;
}

bool writeUtf8File(const char16_t* path, const char16_t* text) {
    platform::ByteFile file;
    if (!file.open(path, platform::FileMode::Write)) return false;
    bool written = platform::writeUtf8(file, text);
    return file.close() && written;
}

int32_t runSelfTest(const ToolDefinition& tool, const char16_t* reportPath) {
    static char16_t report[kSelfTestReportCapacity];
    int32_t errors = buildSelfTestReport(tool, report, kSelfTestReportCapacity);
    if (!writeUtf8File(reportPath, report)) return kSelfTestReportNotWritten;
    return errors > 0 ? kSelfTestOutputFailed : kSelfTestPassed;
}

} // namespace tamrel
