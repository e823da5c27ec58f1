#include <gtest/gtest.h>

#include "engine/calendar.h"

namespace tamrel {
namespace {

struct DateCase {
    int64_t dayNumber;
    int64_t year;
    int32_t month;
    int32_t day;
    const char16_t* text;
};

TEST(Calendar, KnownDays) {
    const DateCase cases[] = {
        {0, 1970, 1, 1, u"1970-01-01"},       {-1, 1969, 12, 31, u"1969-12-31"},
        {11016, 2000, 2, 29, u"2000-02-29"},  {11017, 2000, 3, 1, u"2000-03-01"},
        {19723, 2024, 1, 1, u"2024-01-01"},   {20000, 2024, 10, 4, u"2024-10-04"},
        {20089, 2025, 1, 1, u"2025-01-01"},   {-719468, 0, 3, 1, u"0000-03-01"},
        {-719469, 0, 2, 29, u"0000-02-29"},   {-719529, -1, 12, 31, u"-001-12-31"},
        {2932896, 9999, 12, 31, u"9999-12-31"}, {2932897, 10000, 1, 1, u"10000-01-01"},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.dayNumber);
        EXPECT_EQ(daysFromCivil(c.year, c.month, c.day), c.dayNumber);
        CivilDate date = civilFromDays(c.dayNumber);
        EXPECT_EQ(date.year, c.year);
        EXPECT_EQ(date.month, c.month);
        EXPECT_EQ(date.day, c.day);
        char16_t text[32];
        TextBuffer out(text, 32);
        ASSERT_TRUE(appendDate(out, c.dayNumber));
        EXPECT_EQ(std::u16string(text), c.text);
    }
}

// Every day over a wide range converts to a date and back, and consecutive days are
// consecutive dates of the Gregorian calendar.
TEST(Calendar, RoundTripAndSuccession) {
    CivilDate previous = civilFromDays(-1000000 - 1);
    for (int64_t n = -1000000; n <= 1000000; ++n) {
        CivilDate date = civilFromDays(n);
        ASSERT_EQ(daysFromCivil(date.year, date.month, date.day), n);
        ASSERT_GE(date.month, 1);
        ASSERT_LE(date.month, 12);
        if (date.day == 1) {
            ASSERT_TRUE(previous.month == (date.month == 1 ? 12 : date.month - 1));
            ASSERT_EQ(previous.year, date.month == 1 ? date.year - 1 : date.year);
            bool leap = (previous.year % 4 == 0 && previous.year % 100 != 0) ||
                        previous.year % 400 == 0;
            static constexpr int32_t kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            int32_t length = kLength[previous.month - 1] + (previous.month == 2 && leap ? 1 : 0);
            ASSERT_EQ(previous.day, length);
        } else {
            ASSERT_EQ(date.day, previous.day + 1);
            ASSERT_EQ(date.month, previous.month);
        }
        previous = date;
    }
}

TEST(Calendar, EdgesOfTheSafeRangeConvertBack) {
    for (int64_t n : {kMinDayNumber, kMaxDayNumber}) {
        CivilDate date = civilFromDays(n);
        EXPECT_EQ(daysFromCivil(date.year, date.month, date.day), n);
    }
}

} // namespace
} // namespace tamrel
