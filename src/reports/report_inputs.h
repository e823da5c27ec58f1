#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/tool.h"

// How the report generators read their inputs.
namespace tamrel {

// The value of the first input whose key equals `key` (case-sensitive); 0.0 when there is none.
double findInput(const ToolDefinition& tool, const double* inputValues, const char* key);

// Truncates toward zero; NaN or a value whose truncation leaves the 32-bit range gives
// INT32_MIN, which falls below every clamp and outside every numbered table row.
int32_t toReportInt(double value);

// findInput followed by toReportInt: how a count, a number or a choice is read.
int32_t findReportInt(const ToolDefinition& tool, const double* inputValues, const char* key);

int32_t clampReportInt(int32_t value, int32_t low, int32_t high);

// The row for choice k of a table whose rows are numbered from 1 and whose last row serves
// every other value.
template <typename Row, std::size_t N>
const Row& rowForChoice(const Row (&rows)[N], int32_t k) {
    static_assert(N >= 2, "numbered rows and a row for any other value");
    return rows[k >= 1 && static_cast<std::size_t>(k) < N ? k - 1 : N - 1];
}

} // namespace tamrel
