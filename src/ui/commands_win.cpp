#include "ui/commands_win.h"

#include <windows.h>

#include <cmath>

#include "engine/calculate.h"
#include "records/record_store.h"
#include "text/number_text.h"
#include "text/text_buffer.h"
#include "ui/theme_win.h"
#include "platform/wide_text_win.h"
#include "ui/window_state_win.h"

namespace tamrel {

namespace {

constexpr int32_t kInputTextCapacity = 128;  // at most 127 characters of an edit are read
constexpr int32_t kRejectionCapacity = 256;
constexpr int32_t kCalculationResultCapacity = 4096;
constexpr int32_t kVerdictCapacity = 512;
constexpr int32_t kAboutTextCapacity = 1400;
constexpr int32_t kSaveMessageCapacity = 1024;

// What the user is told after a save besides the status line: the message box's caption and
// icon (its text is written by describeSave).
struct SaveReport {
    const char16_t* caption;
    UINT icon;
};

void showMessage(const char16_t* text, const char16_t* caption, UINT icon) {
    MessageBoxW(gWindow.mainWindow, wide(text), wide(caption), MB_OK | icon);
}

void setStatus(const char16_t* first, const char16_t* second = nullptr) {
    TextBuffer status(gWindow.statusText, kStatusTextCapacity);
    status.append(first);
    status.append(second);
    InvalidateRect(gWindow.mainWindow, nullptr, FALSE);
}

void readEditText(HWND edit, char16_t* out, int32_t capacity) {
    if (GetWindowTextW(edit, wide(out), capacity) <= 0) out[0] = 0;
}

void rejectInput(int32_t index) {
    char16_t message[kRejectionCapacity];
    TextBuffer text(message, kRejectionCapacity);
    text.append(u"第 ");
    text.appendInt(index + 1);
    text.append(u" 项“");
    text.append(gWindow.tool->inputs[index].label);
    text.append(u"”请输入数字。");
    showMessage(message, u"输入有误", MB_ICONWARNING);
    SetFocus(gWindow.inputEdits[index]);
}

// A plain tool's copy ends with its verdict on a line of its own; a report goes alone.
void buildClipboardText(const char16_t* result, const char16_t* verdict) {
    TextBuffer text(gWindow.clipboardText, kClipboardTextCapacity);
    text.append(result);
    if (gWindow.tool->reportKind == 0) {
        text.append(u"—— ");
        text.append(verdict);
    }
}

// The clipboard owns the block once SetClipboardData has taken it; until then it is ours to
// free. Returns false when nothing was placed.
bool placeOnClipboard(const char16_t* name, const char16_t* text) {
    const SIZE_T bytes = static_cast<SIZE_T>(textLength(text) + textLength(name)) * 2 + 32;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) return false;
    auto* chars = static_cast<char16_t*>(GlobalLock(block));
    if (chars == nullptr) {
        GlobalFree(block);
        return false;
    }
    TextBuffer copy(chars, static_cast<int32_t>(bytes / 2));
    copy.append(name);
    copy.append(u"\r\n");
    copy.append(text);
    GlobalUnlock(block);

    if (!OpenClipboard(gWindow.mainWindow)) {
        GlobalFree(block);
        return false;
    }
    bool placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}

// Empty or blank text counts as 0; otherwise the number that begins the text (wcstod rules),
// 0 when there is none. May be infinite or not a number.
double readInputValue(const char16_t* text) {
    const char16_t* first = text;
    while (*first == u' ') ++first;
    if (*first == 0) return 0.0;
    return scanNumber(text).value;
}

void buildAboutText(const ToolDefinition& tool, char16_t* out, int32_t capacity) {
    // Each line is a label and a value; the lines are joined by CR LF, none after the last.
    const char16_t* const lines[][2] = {
        {tool.name, nullptr},
        {nullptr, nullptr},
        {u"分类：", tool.category},
        {u"参考依据：", tool.referenceText},
        {nullptr, nullptr},
        {u"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，", nullptr},
        {u"具体用药与处置请结合患者实际情况及本院规范执行。", nullptr},
        {nullptr, nullptr},
        {u"版本 V1.0    官网：", kPublisherWebAddress},
    };
    TextBuffer text(out, capacity);
    bool first = true;
    for (const auto& line : lines) {
        if (!first) text.append(u"\r\n");
        first = false;
        text.append(line[0]);
        text.append(line[1]);
    }
}

// The status line and the message after a save. Only bytes that were written are confirmed;
// a failure says so and names the file when its path is known.
SaveReport describeSave(SaveOutcome outcome, const char16_t* filePath, char16_t* statusText,
                        int32_t statusCapacity, char16_t* message, int32_t messageCapacity) {
    TextBuffer status(statusText, statusCapacity);
    TextBuffer text(message, messageCapacity);
    const bool knownPath = filePath != nullptr && filePath[0] != 0;
    switch (outcome) {
    case SaveOutcome::Saved:
        status.append(u"记录已保存：");
        status.append(filePath);
        text.append(u"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。");
        return {u"已保存", MB_ICONINFORMATION};
    case SaveOutcome::NoDataFolder:
        status.append(u"记录未保存：找不到本地数据文件夹");
        text.append(u"本次结果没有保存：无法确定本机的本地应用数据文件夹。");
        return {u"未保存", MB_ICONWARNING};
    case SaveOutcome::NotWritten:
        break;
    }
    if (knownPath) {
        status.append(u"记录未保存：无法写入 ");
        status.append(filePath);
        text.append(u"本次结果没有保存：无法写入记录文件\r\n");
        text.append(filePath);
        text.append(u"\r\n请确认该文件没有被其他程序（如 Excel）占用，且所在文件夹可以写入。");
    } else {
        status.append(u"记录未保存：无法写入记录文件");
        text.append(u"本次结果没有保存：无法写入记录文件。");
    }
    return {u"未保存", MB_ICONWARNING};
}

} // namespace

void formatInputValue(double value, char16_t* out, int32_t capacity) {
    TextBuffer text(out, capacity);
    text.appendGeneral(value, 6);
}

void onCalculate() {
    const ToolDefinition& tool = *gWindow.tool;
    const int32_t inputCount = windowInputCount(tool);

    // Read every input before keeping any: a refused input leaves the values of the shown
    // result in place, so a later Save never pairs other values with it.
    double values[kMaxInputs] = {};
    for (int32_t i = 0; i < inputCount; ++i) {
        char16_t text[kInputTextCapacity];
        readEditText(gWindow.inputEdits[i], text, kInputTextCapacity);
        values[i] = readInputValue(text);
        if (!std::isfinite(values[i])) {
            rejectInput(i);
            return;
        }
    }
    for (int32_t i = 0; i < inputCount; ++i) gWindow.inputValues[i] = values[i];

    char16_t result[kCalculationResultCapacity];
    char16_t verdict[kVerdictCapacity];
    calculate(tool, gWindow.inputValues, result, kCalculationResultCapacity, verdict,
              kVerdictCapacity, gWindow.alertLevel, gWindow.resultText, kResultTextCapacity);

    gWindow.clipboardText[0] = 0;
    SetWindowTextW(gWindow.resultEdit, wide(result));
    SetWindowTextW(gWindow.verdictLabel, wide(verdict));
    buildClipboardText(result, verdict);

    // The label takes its colour from alertLevel when it repaints.
    InvalidateRect(gWindow.verdictLabel, nullptr, TRUE);
    setStatus(u"计算完成  ", tool.name);
    SetFocus(gWindow.mainWindow);
}

void onCopy() {
    if (gWindow.resultText[0] == 0) {
        showMessage(u"请先点击“计算”生成结果。", u"提示", MB_ICONINFORMATION);
        return;
    }
    if (placeOnClipboard(gWindow.tool->name, gWindow.clipboardText))
        setStatus(u"结果已复制到剪贴板");
    else
        setStatus(u"复制失败：剪贴板暂不可用，请重试");
}

void onReset() {
    const ToolDefinition& tool = *gWindow.tool;
    for (int32_t i = 0; i < windowInputCount(tool); ++i) {
        char16_t text[kDefaultValueTextCapacity];
        formatInputValue(tool.inputs[i].defaultValue, text, kDefaultValueTextCapacity);
        SetWindowTextW(gWindow.inputEdits[i], wide(text));
    }
    SetWindowTextW(gWindow.resultEdit, L"");
    SetWindowTextW(gWindow.verdictLabel, wide(kVerdictPrompt));
    SetWindowTextW(gWindow.noteLabel, wide(tool.noteText != nullptr ? tool.noteText : u""));
    gWindow.resultText[0] = 0;
    gWindow.alertLevel = 0;
    // The main window does not clip its children, so this repaints the verdict label too.
    setStatus(u"已恢复默认值");
}

void onAbout() {
    char16_t about[kAboutTextCapacity];
    buildAboutText(*gWindow.tool, about, kAboutTextCapacity);
    showMessage(about, u"关于本工具", MB_ICONINFORMATION);
}

void onSaveRecord() {
    if (gWindow.resultText[0] == 0) {
        showMessage(u"请先点击“计算”生成结果，再保存记录。", u"提示", MB_ICONINFORMATION);
        return;
    }
    char16_t filePath[kRecordPathCapacity];
    SaveOutcome outcome = appendRecord(*gWindow.tool, gWindow.inputValues, gWindow.resultText,
                                       filePath, kRecordPathCapacity);
    char16_t message[kSaveMessageCapacity];
    SaveReport report = describeSave(outcome, filePath, gWindow.statusText, kStatusTextCapacity,
                                     message, kSaveMessageCapacity);
    InvalidateRect(gWindow.mainWindow, nullptr, FALSE);
    showMessage(message, report.caption, report.icon);
}

} // namespace tamrel
