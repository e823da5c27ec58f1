// The program keeps its text in char16_t; the Win32 API takes wchar_t, which is the same
// 16-bit UTF-16 unit on Windows. This is the one place the two meet.
#pragma once
#include <cstdint>

namespace tamrel {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Win32 wide text is UTF-16");

inline const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const char16_t* utf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

} // namespace tamrel
