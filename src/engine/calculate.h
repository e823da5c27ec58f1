#pragma once
#include <cstdint>

#include "engine/tool.h"

namespace tamrel {

// Turns input values (one per input, in definition order) into the result text, the verdict
// text and the alert level, all in caller buffers; capacities count UTF-16 characters with
// the terminator (verdictCapacity at least 13). The level is returned and also stored in
// `alertLevel`; `resultCopy` receives a copy of the finished result text. Allocates nothing.
int32_t calculate(const ToolDefinition& tool, const double* inputValues, char16_t* resultText,
                  int32_t resultCapacity, char16_t* verdictText, int32_t verdictCapacity,
                  int32_t& alertLevel, char16_t* resultCopy, int32_t resultCopyCapacity);

} // namespace tamrel
