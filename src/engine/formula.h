#pragma once
#include <cstdint>

#include "engine/tool.h"

namespace tamrel {

// Evaluates one formula of `tool` against the input values (index i for input i) and the
// output values computed so far (index j for output j). Writes `failed` on every call: 0 when
// the value is good, 1 otherwise; on failure the value the evaluation produced is still
// returned. Allocates nothing.
double evaluateExpression(const ToolDefinition& tool, const char* formula,
                          const double* inputValues, const double* outputValues,
                          int32_t& failed);

} // namespace tamrel
