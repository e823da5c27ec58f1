#include "engine/calendar.h"

namespace tamrel {

// H. Hinnant's days_from_civil and civil_from_days; every division truncates.

int64_t daysFromCivil(int64_t year, int32_t month, int32_t day) {
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = month <= 2 ? month + 9 : month - 3;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civilFromDays(int64_t dayNumber) {
    const int64_t z = dayNumber + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int32_t day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    const int32_t month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

bool appendDate(TextBuffer& out, int64_t dayNumber) {
    const CivilDate date = civilFromDays(dayNumber);
    return out.appendInt(date.year, 4) && out.append(u'-') && out.appendInt(date.month, 2) &&
           out.append(u'-') && out.appendInt(date.day, 2);
}

} // namespace tamrel
