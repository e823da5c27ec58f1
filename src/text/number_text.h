#pragma once
#include <cstdint>

// Numbers as text without the C runtime: printf and strtod differ between msvcrt, UCRT and
// glibc (rounding of halves, hexadecimal forms, inf and nan), so every number of the program
// is written with std::to_chars and read with std::from_chars through these functions.
namespace tamrel {

inline constexpr int32_t kIntTextSize = 32;
// Room for "%.16f" of the largest double with its sign.
inline constexpr int32_t kFixedTextSize = 336;
inline constexpr int32_t kGeneralTextSize = 40;

// Each writer returns the number of ASCII characters written (no terminator), or 0 when the
// text does not fit `size`.
// "%0*d": decimal integer, zero-padded after the sign to at least `width` characters.
int32_t writeInt(int64_t value, int32_t width, char* out, int32_t size);
// "%.*f": fixed point, correctly rounded with exact halves to even; "inf", "-inf", "nan".
int32_t writeFixed(double value, int32_t decimals, char* out, int32_t size);
// "%.*e" with at least two exponent digits.
int32_t writeScientific(double value, int32_t decimals, char* out, int32_t size);
// "%.*g": `significant` digits, the shorter of fixed and exponent form, no trailing zeros.
int32_t writeGeneral(double value, int32_t significant, char* out, int32_t size);

struct NumberScan {
    double value;    // 0 when nothing was read
    int32_t length;  // characters taken; 0 when the text does not begin with a number
};

// strtod behaviour in the "C" locale: leading blanks (space, TAB, LF, VT, FF, CR), an optional
// sign, then a decimal number with optional exponent, a 0x hexadecimal number with optional
// binary exponent, or inf, infinity, nan, nan(...) in any case. The longest accepted prefix
// is taken; a magnitude beyond the double range gives infinity, one below it zero.
NumberScan scanNumber(const char* text);
// The same for UTF-16 text (wcstod behaviour); only ASCII characters can form a number.
NumberScan scanNumber(const char16_t* text);

} // namespace tamrel
