#pragma once
#include <cstdint>

#include "text/text_buffer.h"

namespace tamrel {

// One formatted report line holds at most this many characters minus the terminator.
inline constexpr int32_t kReportLineCapacity = 512;

// Appends report lines to the caller's result text by the bounded-append rule: a line is cut
// first at the line scratch, then at the result's capacity, and CR LF goes after it by the
// same rule, so a cut line loses its line end and one character of room takes only the CR.
class ReportWriter {
public:
    // Continues the terminated text already in `text`.
    ReportWriter(char16_t* text, int32_t capacity);
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // A fixed line exactly as written (no format processing), then CR LF.
    void appendLine(const char16_t* line);
    // A line with values: startLine() hands out the emptied scratch, endLine() appends it
    // with CR LF.
    TextBuffer& startLine();
    void endLine();
    // A piece with no line end.
    void appendText(const char16_t* text);

    const TextBuffer& result() const { return result_; }

private:
    TextBuffer result_;
    char16_t lineData_[kReportLineCapacity];
    TextBuffer line_;
};

} // namespace tamrel
