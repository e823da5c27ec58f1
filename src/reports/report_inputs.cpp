#include "reports/report_inputs.h"

#include <cstdint>

namespace tamrel {

namespace {

bool keysEqual(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return false;
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

} // namespace

double findInput(const ToolDefinition& tool, const double* inputValues, const char* key) {
    if (tool.inputs == nullptr || inputValues == nullptr) return 0.0;
    for (int32_t i = 0; i < tool.inputCount; ++i)
        if (keysEqual(tool.inputs[i].key, key)) return inputValues[i];
    return 0.0;
}

int32_t toReportInt(double value) {
    // Both bounds are exact doubles; the comparison is false for NaN as well.
    if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
    return static_cast<int32_t>(value);
}

int32_t findReportInt(const ToolDefinition& tool, const double* inputValues, const char* key) {
    return toReportInt(findInput(tool, inputValues, key));
}

int32_t clampReportInt(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : value > high ? high : value;
}

} // namespace tamrel
