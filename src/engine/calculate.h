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

// Evaluates every output formula in definition order into outputValues (kMaxOutputs slots, all
// set): each output sees the ones before it, a later output or the output itself reads 0, and a
// failed value is kept like any other. Returns the number of outputs that failed.
int32_t evaluateOutputs(const ToolDefinition& tool, const double* inputValues,
                        double* outputValues);

} // namespace tamrel
