// The five user commands. Each works on gWindow and runs on the window thread.
#pragma once
#include <cstdint>

namespace tamrel {

void onCalculate();
void onSaveRecord();
void onCopy();
void onReset();
void onAbout();

inline constexpr int32_t kDefaultValueTextCapacity = 64;

// A value as the input edits show it ("%.6g").
void formatInputValue(double value, char16_t* out, int32_t capacity);

} // namespace tamrel
