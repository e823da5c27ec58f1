// The one record that all window code shares, and the control ids the window answers to.
#pragma once
#include <windows.h>

#include <cstdint>

#include "engine/tool.h"

namespace tamrel {

inline constexpr int32_t kCalculateButtonId = 1001;
inline constexpr int32_t kSaveButtonId = 1002;
inline constexpr int32_t kCopyButtonId = 1003;
inline constexpr int32_t kResetButtonId = 1004;
inline constexpr int32_t kAboutButtonId = 1005;
inline constexpr int32_t kFirstInputEditId = 2000;  // input i has 2000 + i
inline constexpr int32_t kResultEditId = 3000;

inline constexpr int32_t kResultTextCapacity = 8192;
inline constexpr int32_t kClipboardTextCapacity = 1024;
inline constexpr int32_t kStatusTextCapacity = 256;

inline constexpr wchar_t kMainWindowClass[] = L"OrvelMedToolWnd";
inline constexpr char16_t kVerdictPrompt[] = u"填写左侧参数，点击“计算”";

struct MainWindowState {
    HINSTANCE instance;
    HWND mainWindow;
    const ToolDefinition* tool;
    int32_t alertLevel;
    HWND inputEdits[kMaxInputs];
    HWND resultEdit;
    HWND verdictLabel;
    HWND noteLabel;
    HWND calculateButton;
    HWND saveButton;
    HWND copyButton;
    HWND resetButton;
    HWND aboutButton;
    HFONT titleFont;
    HFONT subtitleFont;
    HFONT labelFont;
    HFONT editFont;
    HFONT verdictFont;
    HFONT resultFont;
    HFONT buttonFont;
    HFONT smallFont;
    HBRUSH whiteBrush;
    HBRUSH backgroundBrush;
    char16_t resultText[kResultTextCapacity];     // empty: nothing calculated yet
    char16_t clipboardText[kClipboardTextCapacity];
    char16_t statusText[kStatusTextCapacity];
    double inputValues[kMaxInputs];               // the inputs of the result in resultText
};

// Zero at start; touched only by the window thread.
extern MainWindowState gWindow;

// The inputs the window has room for: a tool never has more than kMaxInputs.
inline int32_t windowInputCount(const ToolDefinition& tool) {
    if (tool.inputCount < 0) return 0;
    return tool.inputCount > kMaxInputs ? kMaxInputs : tool.inputCount;
}

} // namespace tamrel
