#include "reports/report_writer.h"

namespace tamrel {

ReportWriter::ReportWriter(char16_t* text, int32_t capacity)
    : result_(TextBuffer::attach(text, capacity)), line_(lineData_, kReportLineCapacity) {}

void ReportWriter::appendLine(const char16_t* line) {
    startLine().append(line);
    endLine();
}

TextBuffer& ReportWriter::startLine() {
    line_.clear();
    return line_;
}

void ReportWriter::endLine() {
    result_.append(line_.text(), line_.length());
    result_.append(u"\r\n");
    line_.clear();
}

void ReportWriter::appendText(const char16_t* text) { result_.append(text); }

} // namespace tamrel
