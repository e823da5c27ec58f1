#include "report_test_tool.h"

#include "reports/generate_report.h"

namespace tamrel::test {

ReportTool::ReportTool(int32_t kind, const std::vector<TestInput>& inputs) {
    int32_t count = 0;
    for (const TestInput& input : inputs) {
        if (count == kMaxInputs) break;
        fields_[count] = {input.key, u"", nullptr, 0.0};
        values_[count] = input.value;
        ++count;
    }
    tool_.id = 900;
    tool_.name = u"报告";
    tool_.category = u"";
    tool_.referenceText = u"";
    tool_.inputCount = count;
    tool_.inputs = fields_;
    tool_.reportKind = kind;
}

ReportOutput runReport(int32_t kind, const std::vector<TestInput>& inputs,
                       int32_t resultCapacity) {
    ReportTool tool(kind, inputs);
    std::vector<char16_t> result(static_cast<size_t>(resultCapacity), u'x');
    result.back() = 0;
    char16_t verdict[512];
    std::char_traits<char16_t>::copy(verdict, u"stale", 6);
    int32_t level = generateReport(kind, tool.tool(), tool.values(), result.data(),
                                   resultCapacity, verdict, 512);
    return {result.data(), verdict, level};
}

} // namespace tamrel::test
