// The five user commands. Each works on gWindow and runs on the window thread.
#pragma once
#include <cstdint>

#include "engine/tool.h"
#include "records/record_store.h"

namespace tamrel {

void onCalculate();
void onSaveRecord();
void onCopy();
void onReset();
void onAbout();

inline constexpr int32_t kDefaultValueTextCapacity = 64;
inline constexpr int32_t kInputTextCapacity = 128;
inline constexpr int32_t kAboutTextCapacity = 1400;

// A value as the input edits show it ("%.6g").
void formatInputValue(double value, char16_t* out, int32_t capacity);
// The value of an input edit's text: empty or blank counts as 0; otherwise the number that
// begins the text (wcstod rules), 0 when there is none. May be infinite or not a number.
double readInputValue(const char16_t* text);
void buildAboutText(const ToolDefinition& tool, char16_t* out, int32_t capacity);

// What the user is told after a save: the status line, and the message box's text and caption,
// with its icon.
struct SaveReport {
    const char16_t* caption;
    unsigned int icon;  // MB_ICONINFORMATION or MB_ICONWARNING
};
inline constexpr int32_t kSaveMessageCapacity = 1024;
SaveReport describeSave(SaveOutcome outcome, const char16_t* filePath, char16_t* statusText,
                        int32_t statusCapacity, char16_t* message, int32_t messageCapacity);

} // namespace tamrel
