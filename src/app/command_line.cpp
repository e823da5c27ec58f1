#include "app/command_line.h"

#include "text/text_buffer.h"

namespace tamrel {

namespace {
constexpr char16_t kSwitch[] = u"--selftest";
constexpr int32_t kSwitchLength = 10;
} // namespace

const char16_t* findSelfTestSwitch(const char16_t* commandLine) {
    if (commandLine == nullptr) return nullptr;
    for (const char16_t* p = commandLine; *p != 0; ++p) {
        int32_t i = 0;
        while (i < kSwitchLength && p[i] == kSwitch[i]) ++i;
        if (i == kSwitchLength) return p;
    }
    return nullptr;
}

void readReportPath(const char16_t* selfTestSwitch, char16_t* path, int32_t capacity) {
    TextBuffer out(path, capacity);
    const char16_t* p = selfTestSwitch + kSwitchLength;
    while (*p == u' ') ++p;
    char16_t end = u' ';
    if (*p == u'"') {
        end = u'"';
        ++p;
    }
    const char16_t* start = p;
    while (*p != 0 && *p != end) ++p;
    out.append(start, static_cast<int32_t>(p - start));
    if (out.length() == 0) out.append(u"selftest.txt");
}

} // namespace tamrel
