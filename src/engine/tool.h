#pragma once
#include <cstdint>

// The static description of a tool: plain aggregates, so a tool is a constant table.
namespace tamrel {

inline constexpr int32_t kMaxInputs = 16;
inline constexpr int32_t kMaxOutputs = 16;

struct InputField {
    const char* key;           // formulas refer to the input by it
    const char16_t* label;     // left of the input box
    const char16_t* unit;      // right of the box; null or empty shows nothing
    double defaultValue;       // at start, after Reset and in the self-test
};

struct OutputField {
    const char* key;           // later outputs and rule conditions refer to it
    const char16_t* label;
    const char16_t* unit;      // after the value; null or empty shows nothing
    const char* expression;    // formula; null or empty fails
    const char* formatCode;    // "f0" "f1" "f2" "f3" "int" "pct" "date"; null means "f2"
};

struct VerdictRule {
    const char* condition;     // formula; the empty text always matches
    int32_t level;             // alert level 0 (normal) to 3 (most serious)
    const char16_t* message;
};

struct ToolDefinition {
    int32_t id;
    const char16_t* name;
    const char16_t* description;    // may be null
    const char16_t* category;
    const char16_t* referenceText;
    const char16_t* noteText;       // may be null
    int32_t inputCount;             // 0 to kMaxInputs
    const InputField* inputs;
    int32_t outputCount;            // 0 to kMaxOutputs
    const OutputField* outputs;
    int32_t ruleCount;
    const VerdictRule* rules;       // first match wins
    int32_t reportKind;             // 0: formulas; 1 to 11: a report generator
};

// The one tool this program shows.
const ToolDefinition& builtInTool();

} // namespace tamrel
