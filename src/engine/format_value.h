#pragma once
#include <cstdint>

namespace tamrel {

inline constexpr int32_t kValueTextCapacity = 128;

// Display text of a value by format code ("f0", "f1", "f2", "f3", "int", "pct", "date"; null
// or unknown codes show two decimals), cut at capacity - 1 characters. "--" for infinity and
// NaN.
void formatValue(const char* formatCode, double value, char16_t* out, int32_t capacity);

} // namespace tamrel
