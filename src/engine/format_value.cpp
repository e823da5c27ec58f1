#include "engine/format_value.h"

#include <cmath>
#include <cstring>

#include "engine/calendar.h"
#include "text/number_text.h"
#include "text/text_buffer.h"

namespace tamrel {

namespace {

// The fixed-point text is built as ASCII first: 79 characters and the terminator.
constexpr int32_t kAsciiTextSize = 80;

struct FixedFormat {
    const char* code;
    int32_t decimals;
    bool percent;
};

constexpr FixedFormat kFixedFormats[] = {
    {"f0", 0, false}, {"f1", 1, false}, {"f2", 2, false}, {"f3", 3, false},
    {"int", 0, false}, {"pct", 1, true},
};

constexpr FixedFormat kDefaultFormat = {"f2", 2, false};

const FixedFormat& fixedFormatOf(const char* code) {
    if (code != nullptr)
        for (const FixedFormat& f : kFixedFormats)
            if (std::strcmp(code, f.code) == 0) return f;
    return kDefaultFormat;
}

// Fixed point with the format's decimals. A magnitude too large for the 80-byte text (from
// about 1e74 up) keeps the same decimals in exponent form, "1.0e+300", instead of overrunning.
int32_t writeFixedText(double value, const FixedFormat& format, char* out) {
    const int32_t room = kAsciiTextSize - 1 - (format.percent ? 1 : 0);
    int32_t n = writeFixed(value, format.decimals, out, room);
    if (n == 0) n = writeScientific(value, format.decimals, out, room);
    if (format.percent) out[n++] = '%';
    out[n] = 0;
    return n;
}

// Day numbers are truncated toward zero; beyond the calendar's range there is no date to
// show, so such values read "--" like a missing value. The range test comes before the
// conversion, which is undefined for doubles outside int64_t.
void appendDayNumberDate(TextBuffer& out, double value) {
    const double day = std::trunc(value);
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (day >= -kTwoTo63 && day < kTwoTo63) {
        const int64_t n = static_cast<int64_t>(day);
        if (n >= kMinDayNumber && n <= kMaxDayNumber) {
            appendDate(out, n);
            return;
        }
    }
    out.append(u"--");
}

} // namespace

void formatValue(const char* formatCode, double value, char16_t* out, int32_t capacity) {
    TextBuffer text(out, capacity);
    if (!std::isfinite(value)) {
        text.append(u"--");
        return;
    }
    if (formatCode != nullptr && std::strcmp(formatCode, "date") == 0) {
        appendDayNumberDate(text, value);
        return;
    }
    char ascii[kAsciiTextSize];
    const int32_t n = writeFixedText(value, fixedFormatOf(formatCode), ascii);
    text.appendAscii(ascii, n);
}

} // namespace tamrel
