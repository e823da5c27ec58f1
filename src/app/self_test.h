#pragma once
#include <cstdint>

#include "engine/tool.h"

namespace tamrel {

// Exit codes of the self-test.
inline constexpr int32_t kSelfTestPassed = 0;
inline constexpr int32_t kSelfTestOutputFailed = 2;     // at least one output failed
inline constexpr int32_t kSelfTestReportNotWritten = 3; // the report file could not be written

inline constexpr int32_t kSelfTestReportCapacity = 16384;

// Computes `tool` once with its default inputs and builds the pipe-separated report (TOOL,
// LEVEL, OUT, VERDICT, DETAIL, ERRORS lines, each ended by CR LF) into `report`, cut at
// capacity - 1. Returns the number of outputs that failed.
int32_t buildSelfTestReport(const ToolDefinition& tool, char16_t* report, int32_t capacity);

// Writes `text` as UTF-8 without byte-order mark, creating or truncating the file. False when
// the file could not be opened or not every byte was written.
bool writeUtf8File(const char16_t* path, const char16_t* text);

// Builds the report, writes it to `reportPath` and returns the exit code.
int32_t runSelfTest(const ToolDefinition& tool, const char16_t* reportPath);

} // namespace tamrel
