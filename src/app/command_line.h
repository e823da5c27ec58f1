#pragma once
#include <cstdint>

namespace tamrel {

inline constexpr int32_t kReportPathCapacity = 520;

// The first "--selftest" anywhere in the command line (a plain, case-sensitive substring, also
// inside the program path or glued to other characters), or null when there is none.
const char16_t* findSelfTestSwitch(const char16_t* commandLine);

// The report path after the switch: spaces (not TABs) skipped, then either a quoted text up to
// the next quote or the end, or an unquoted text up to the next space or the end; cut at
// capacity - 1 characters; "selftest.txt" when empty.
void readReportPath(const char16_t* selfTestSwitch, char16_t* path, int32_t capacity);

} // namespace tamrel
