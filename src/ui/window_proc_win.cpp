#include "ui/window_proc_win.h"

#include "text/text_buffer.h"
#include "ui/commands_win.h"
#include "ui/gdi_boxes_win.h"
#include "ui/paint_win.h"
#include "ui/theme_win.h"
#include "platform/wide_text_win.h"
#include "ui/window_state_win.h"

namespace tamrel {

namespace {

constexpr int32_t kReferenceTextCapacity = 512;
constexpr int32_t kButtonTextCapacity = 64;
constexpr int kFrameWidth = 1036;
constexpr int kFrameHeight = 780;

constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_RIGHT;
constexpr DWORD kStaticStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kInputEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
constexpr DWORD kResultEditStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;

struct ButtonSpec {
    int32_t id;
    const char16_t* caption;
    int x;
    int width;
    HWND MainWindowState::*slot;
};

constexpr ButtonSpec kButtons[] = {
    {kCalculateButtonId, u"计算 (F5)", 20, 152, &MainWindowState::calculateButton},
    {kSaveButtonId, u"保存记录", 184, 132, &MainWindowState::saveButton},
    {kCopyButtonId, u"复制结果", 328, 132, &MainWindowState::copyButton},
    {kResetButtonId, u"清空重填", 472, 132, &MainWindowState::resetButton},
    {kAboutButtonId, u"关于", 616, 110, &MainWindowState::aboutButton},
};

// Controls are created without a creation parameter; WM_SETFONT is sent only for a font.
HWND createChild(const wchar_t* className, const char16_t* text, DWORD style, DWORD exStyle,
                 Box box, int32_t id, HFONT font) {
    HWND child = CreateWindowExW(exStyle, className, wide(text != nullptr ? text : u""), style,
                                 box.x, box.y, box.width, box.height, gWindow.mainWindow,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 gWindow.instance, nullptr);
    if (child != nullptr && font != nullptr)
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return child;
}

void createInputRow(int32_t i) {
    const InputField& input = gWindow.tool->inputs[i];
    const int rowY = 150 + 34 * i;
    createChild(L"STATIC", input.label, kLabelStyle, 0, {24, rowY + 1, 184, 22}, 0,
                gWindow.labelFont);

    HWND edit = createChild(L"EDIT", u"", kInputEditStyle, WS_EX_CLIENTEDGE,
                            {216, rowY - 4, 152, 27}, kFirstInputEditId + i, gWindow.editFont);
    gWindow.inputEdits[i] = edit;
    char16_t defaultText[kDefaultValueTextCapacity];
    formatInputValue(input.defaultValue, defaultText, kDefaultValueTextCapacity);
    SetWindowTextW(edit, wide(defaultText));

    if (input.unit != nullptr && input.unit[0] != 0)
        createChild(L"STATIC", input.unit, kStaticStyle, 0, {374, rowY, 78, 22}, 0,
                    gWindow.smallFont);
}

LRESULT onCreate(HWND window) {
    gWindow.mainWindow = window;
    const ToolDefinition& tool = *gWindow.tool;
    for (int32_t i = 0; i < windowInputCount(tool); ++i) createInputRow(i);

    gWindow.verdictLabel = createChild(L"STATIC", kVerdictPrompt, kStaticStyle, 0,
                                       {492, 142, 492, 46}, 0, gWindow.verdictFont);
    gWindow.resultEdit = createChild(L"EDIT", u"", kResultEditStyle, WS_EX_CLIENTEDGE,
                                     {492, 196, 492, 232}, kResultEditId, gWindow.resultFont);
    gWindow.noteLabel = createChild(L"STATIC", tool.noteText, kStaticStyle, 0,
                                    {492, 444, 492, 120}, 0, gWindow.smallFont);

    char16_t referenceText[kReferenceTextCapacity];
    TextBuffer reference(referenceText, kReferenceTextCapacity);
    reference.append(u"参考依据：");
    reference.append(tool.referenceText);
    createChild(L"STATIC", referenceText, kStaticStyle, 0, {492, 576, 492, 56}, 0,
                gWindow.smallFont);

    for (const ButtonSpec& button : kButtons)
        gWindow.*button.slot = createChild(L"BUTTON", button.caption, kButtonStyle, 0,
                                           {button.x, 668, button.width, 40}, button.id, nullptr);

    copyText(gWindow.statusText, kStatusTextCapacity, u"就绪：填写参数后按 F5 或点击“计算”");
    return 0;
}

// Closing the window ends the message loop and with it the program.
LRESULT onDestroy() {
    PostQuitMessage(0);
    return 0;
}

LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    paintMainWindow(dc, client);
    EndPaint(window, &paint);
    return 0;
}

// The frame cannot be resized.
LRESULT onGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize = {kFrameWidth, kFrameHeight};
    info->ptMaxTrackSize = {kFrameWidth, kFrameHeight};
    return 0;
}

LRESULT onDrawItem(const DRAWITEMSTRUCT& item) {
    const bool primary = item.CtlID == static_cast<UINT>(kCalculateButtonId);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    COLORREF face = primary ? (pressed ? kTheme.primaryButtonPressedColor : kTheme.primaryButtonColor)
                            : (pressed ? kTheme.buttonPressedColor : kTheme.panelColor);
    const Box box = boxOf(item.rcItem);
    fillBox(item.hDC, box, face);
    frameBox(item.hDC, box, primary ? kTheme.primaryButtonBorderColor : kTheme.buttonBorderColor);

    char16_t caption[kButtonTextCapacity];
    if (GetWindowTextW(item.hwndItem, wide(caption), kButtonTextCapacity) <= 0) caption[0] = 0;
    drawBoxText(item.hDC, box, caption, primary ? kTheme.lightTextColor : kTheme.bodyTextColor,
                gWindow.buttonFont, TextAlign::Center);
    return TRUE;
}

LRESULT onCtlColorEdit(HDC dc) {
    SetTextColor(dc, kTheme.bodyTextColor);
    SetBkColor(dc, kTheme.panelColor);
    return reinterpret_cast<LRESULT>(gWindow.whiteBrush);
}

// Statics and the read-only result edit; the verdict takes the colour of the last level.
LRESULT onCtlColorStatic(HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF color = kTheme.mutedTextColor;
    if (control == gWindow.verdictLabel)
        color = verdictColor(gWindow.alertLevel);
    else if (control == gWindow.resultEdit || control == gWindow.noteLabel)
        color = kTheme.bodyTextColor;
    SetTextColor(dc, color);
    return reinterpret_cast<LRESULT>(gWindow.whiteBrush);
}

// Every notification of a button runs its command; the notification code is not looked at.
bool onCommand(int32_t id) {
    switch (id) {
    case kCalculateButtonId: onCalculate(); return true;
    case kSaveButtonId: onSaveRecord(); return true;
    case kCopyButtonId: onCopy(); return true;
    case kResetButtonId: onReset(); return true;
    case kAboutButtonId: onAbout(); return true;
    default: return false;
    }
}

} // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: return onDestroy();
    case WM_PAINT: return onPaint(window);
    case WM_ERASEBKGND: return 1;  // the paint covers the whole client area
    case WM_GETMINMAXINFO: return onGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_DRAWITEM: return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLOREDIT: return onCtlColorEdit(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
        return onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        if (onCommand(LOWORD(wParam))) return 0;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tamrel
