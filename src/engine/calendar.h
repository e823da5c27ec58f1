#pragma once
#include <cstdint>

#include "text/text_buffer.h"

// Day numbers: days since 1970-01-01 (day 0) in the proleptic Gregorian calendar.
namespace tamrel {

struct CivilDate {
    int64_t year;
    int32_t month;  // 1 to 12
    int32_t day;    // 1 to 31
};

// The range in which the conversions below stay within 64-bit arithmetic.
inline constexpr int64_t kMinDayNumber = INT64_MIN + 146097;
inline constexpr int64_t kMaxDayNumber = INT64_MAX - 719468;

// Day number of a date (month 1 to 12).
int64_t daysFromCivil(int64_t year, int32_t month, int32_t day);
// Date of a day number in [kMinDayNumber, kMaxDayNumber].
CivilDate civilFromDays(int64_t dayNumber);
// Appends "YYYY-MM-DD" ("%04lld-%02lld-%02lld") of a day number in that range.
bool appendDate(TextBuffer& out, int64_t dayNumber);

} // namespace tamrel
