#include "text/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tamrel {

namespace {

int32_t finish(std::to_chars_result r, char* out) {
    return r.ec == std::errc() ? static_cast<int32_t>(r.ptr - out) : 0;
}

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlnum(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithWord(const char* p, const char* word) {
    for (; *word != 0; ++p, ++word)
        if (lower(*p) != *word) return false;
    return true;
}

// End of the run of characters that could belong to a number; from_chars needs a bound and
// stops at the first character that does not fit anyway.
const char* numberSpanEnd(const char* p) {
    const char* start = p;
    while (isAlnum(*p) || *p == '.' ||
           ((*p == '+' || *p == '-') && p > start &&
            (lower(p[-1]) == 'e' || lower(p[-1]) == 'p')))
        ++p;
    return p;
}

// from_chars reports a result beyond the double range without saying in which direction.
// The position of the leading significant digit plus the exponent tells: a magnitude that
// is out of range with a non-negative decimal (or binary) exponent overflowed.
bool overflowed(const char* first, const char* last, bool hex) {
    const char exponentMark = hex ? 'p' : 'e';
    int64_t lead = 0;
    int64_t fractionZeros = 0;
    bool seenNonZero = false;
    bool inFraction = false;
    const char* p = first;
    for (; p < last && lower(*p) != exponentMark; ++p) {
        if (*p == '.') {
            inFraction = true;
        } else if (!seenNonZero) {
            if (*p != '0') {
                seenNonZero = true;
                lead = inFraction ? -(fractionZeros + 1) : 0;
            } else if (inFraction) {
                ++fractionZeros;
            }
        } else if (!inFraction) {
            ++lead;
        }
    }
    int64_t exponent = 0;
    if (p < last) {
        ++p;
        bool negative = false;
        if (p < last && (*p == '+' || *p == '-')) negative = (*p++ == '-');
        for (; p < last && isDigit(*p); ++p)
            if (exponent < 1000000000) exponent = exponent * 10 + (*p - '0');
        if (negative) exponent = -exponent;
    }
    return lead * (hex ? 4 : 1) + exponent >= 0;
}

// Plain decimals ("3", "1.5", "0.15") are most of what formulas and users write, and the
// general conversion is slow for them. With at most 15 digits the digits form an exact integer,
// and one division by an exact power of ten rounds correctly, so the value is the one the full
// conversion gives. Exponents, 0x and longer numbers are left to it (length 0).
constexpr int32_t kMaxPlainDigits = 15;
constexpr double kPowersOfTen[kMaxPlainDigits + 1] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
};

NumberScan scanPlainDecimal(const char* text) {
    int64_t digits = 0;
    int32_t digitCount = 0;
    int32_t decimals = 0;
    const char* p = text;
    // Counting stops one past the limit, before the integer could overflow.
    for (; isDigit(*p) && digitCount <= kMaxPlainDigits; ++p, ++digitCount)
        digits = digits * 10 + (*p - '0');
    if (*p == '.')
        for (++p; isDigit(*p) && digitCount <= kMaxPlainDigits; ++p, ++digitCount, ++decimals)
            digits = digits * 10 + (*p - '0');
    const char next = *p;
    if (digitCount == 0 || digitCount > kMaxPlainDigits || next == 'e' || next == 'E' ||
        next == 'x' || next == 'X')
        return {0, 0};
    return {static_cast<double>(digits) / kPowersOfTen[decimals],
            static_cast<int32_t>(p - text)};
}

// Reads an unsigned decimal or 0x hexadecimal number at p.
NumberScan scanUnsigned(const char* p) {
    NumberScan plain = scanPlainDecimal(p);
    if (plain.length > 0) return plain;
    const char* last = numberSpanEnd(p);
    bool hex = p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
    const char* first = hex ? p + 2 : p;
    double value = 0;
    auto r = std::from_chars(first, last, value,
                             hex ? std::chars_format::hex : std::chars_format::general);
    if (r.ec == std::errc::invalid_argument) {
        // "0x" without hexadecimal digits is the number 0 followed by the letter x.
        return hex ? NumberScan{0.0, 1} : NumberScan{0.0, 0};
    }
    if (r.ec == std::errc::result_out_of_range)
        value = overflowed(first, r.ptr, hex) ? std::numeric_limits<double>::infinity() : 0.0;
    return {value, static_cast<int32_t>(r.ptr - p)};
}

} // namespace

int32_t writeInt(int64_t value, int32_t width, char* out, int32_t size) {
    char digits[kIntTextSize];
    auto r = std::to_chars(digits, digits + sizeof digits, value);
    int32_t n = static_cast<int32_t>(r.ptr - digits);
    int32_t sign = value < 0 ? 1 : 0;
    int32_t pad = width > n ? width - n : 0;
    if (n + pad > size) return 0;
    char* o = out;
    if (sign) *o++ = '-';
    for (int32_t i = 0; i < pad; ++i) *o++ = '0';
    for (int32_t i = sign; i < n; ++i) *o++ = digits[i];
    return static_cast<int32_t>(o - out);
}

int32_t writeFixed(double value, int32_t decimals, char* out, int32_t size) {
    return finish(std::to_chars(out, out + size, value, std::chars_format::fixed, decimals), out);
}

int32_t writeScientific(double value, int32_t decimals, char* out, int32_t size) {
    return finish(std::to_chars(out, out + size, value, std::chars_format::scientific, decimals),
                  out);
}

int32_t writeGeneral(double value, int32_t significant, char* out, int32_t size) {
    return finish(std::to_chars(out, out + size, value, std::chars_format::general, significant),
                  out);
}

NumberScan scanNumber(const char* text) {
    const char* p = text;
    while (isBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');

    NumberScan scan{0.0, 0};
    if (startsWithWord(p, "inf")) {
        int32_t n = startsWithWord(p, "infinity") ? 8 : 3;
        scan = {std::numeric_limits<double>::infinity(), n};
    } else if (startsWithWord(p, "nan")) {
        int32_t n = 3;
        if (p[3] == '(') {
            int32_t k = 4;
            while (isAlnum(p[k]) || p[k] == '_') ++k;
            if (p[k] == ')') n = k + 1;
        }
        scan = {std::numeric_limits<double>::quiet_NaN(), n};
    } else if (isDigit(*p) || *p == '.') {
        scan = scanUnsigned(p);
    }
    if (scan.length == 0) return {0.0, 0};
    return {negative ? -scan.value : scan.value, static_cast<int32_t>(p - text) + scan.length};
}

NumberScan scanNumber(const char16_t* text) {
    // Longer texts than this are not numbers a user types; the rest is ignored.
    char narrow[512];
    int32_t n = 0;
    for (; n < static_cast<int32_t>(sizeof narrow) - 1 && text[n] != 0 && text[n] < 0x80; ++n)
        narrow[n] = static_cast<char>(text[n]);
    narrow[n] = 0;
    return scanNumber(narrow);
}

} // namespace tamrel
