#pragma once
#include <cstdint>

#include "engine/tool.h"
#include "reports/report_writer.h"
#include "text/text_buffer.h"

// The eleven report generators. Each writes its lines through `out`, puts its verdict into
// `verdict` (both start empty) and returns the alert level. None of them allocates.
namespace tamrel {

// Reference texts of the laboratory: laboratory_reports.cpp.
int32_t bloodDrawOrder(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                       TextBuffer& verdict);
int32_t criticalValues(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                       TextBuffer& verdict);
int32_t labPanels(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                  TextBuffer& verdict);

// Reference texts of the ward: ward_reports.cpp.
int32_t highAlertDrugs(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                       TextBuffer& verdict);
int32_t surgicalChecklist(const ToolDefinition& tool, const double* inputValues,
                          ReportWriter& out, TextBuffer& verdict);
int32_t handoverTemplate(const ToolDefinition& tool, const double* inputValues,
                         ReportWriter& out, TextBuffer& verdict);

// Generated schedules: schedules.cpp.
int32_t nurseRoster(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                    TextBuffer& verdict);
int32_t dosingTimes(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                    TextBuffer& verdict);
int32_t followUpDates(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                      TextBuffer& verdict);

// Checks and cards: compatibility_check.cpp, infusion_card.cpp.
int32_t compatibilityCheck(const ToolDefinition& tool, const double* inputValues,
                           ReportWriter& out, TextBuffer& verdict);
int32_t infusionCard(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                     TextBuffer& verdict);

} // namespace tamrel
