#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/tool.h"

namespace tamrel::test {

struct TestInput {
    const char* key;
    double value;
};

// A tool of one report kind whose inputs are given by key, in the given order.
class ReportTool {
public:
    ReportTool(int32_t kind, const std::vector<TestInput>& inputs);
    ReportTool(const ReportTool&) = delete;
    ReportTool& operator=(const ReportTool&) = delete;

    const ToolDefinition& tool() const { return tool_; }
    const double* values() const { return values_; }

private:
    InputField fields_[kMaxInputs] = {};
    double values_[kMaxInputs] = {};
    ToolDefinition tool_ = {};
};

struct ReportOutput {
    std::u16string text;
    std::u16string verdict;
    int32_t level;
};

// Runs generateReport into buffers that hold stale text beforehand, so a report that does not
// start from empty texts shows it.
ReportOutput runReport(int32_t kind, const std::vector<TestInput>& inputs,
                       int32_t resultCapacity = 8192);

} // namespace tamrel::test
