#pragma once
#include <cstdint>

#include "engine/tool.h"

namespace tamrel {

// Report kinds of a tool; 0 is a plain formula tool.
enum ReportKind : int32_t {
    kNoReport = 0,
    kNurseRoster = 1,
    kDosingTimes = 2,
    kBloodDrawOrder = 3,
    kCriticalValues = 4,
    kHighAlertDrugs = 5,
    kCompatibilityCheck = 6,
    kFollowUpDates = 7,
    kSurgicalChecklist = 8,
    kHandoverTemplate = 9,
    kInfusionCard = 10,
    kLabPanels = 11,
};

// Writes the report of `kind` into the result text and its verdict, and returns the alert
// level. Both texts are emptied first; a kind without a report gets a fixed notice.
// Allocates nothing.
int32_t generateReport(int32_t kind, const ToolDefinition& tool, const double* inputValues,
                       char16_t* resultText, int32_t resultCapacity, char16_t* verdictText,
                       int32_t verdictCapacity);

} // namespace tamrel
