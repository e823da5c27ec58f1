#include "ui/main_window_win.h"

#include "text/text_buffer.h"
#include "ui/bootstrap_win.h"
#include "ui/commands_win.h"
#include "platform/wide_text_win.h"
#include "ui/window_proc_win.h"
#include "ui/window_state_win.h"

namespace tamrel {

MainWindowState gWindow{};

namespace {

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
static_assert(kFrameStyle == 0x00CA0000);
constexpr int kClientWidth = 1020;
constexpr int kClientHeight = 720;

struct FontSpec {
    HFONT MainWindowState::*slot;
    const char16_t* face;
    int height;  // negative: character height, not cell height
    int weight;
};

// Created in this order; fonts with equal parameters stay separate objects, one per role.
constexpr FontSpec kFonts[] = {
    {&MainWindowState::titleFont, u"Microsoft YaHei UI", -27, FW_BOLD},
    {&MainWindowState::subtitleFont, u"Microsoft YaHei UI", -14, FW_NORMAL},
    {&MainWindowState::labelFont, u"Microsoft YaHei UI", -14, FW_NORMAL},
    {&MainWindowState::editFont, u"Microsoft YaHei UI", -15, FW_NORMAL},
    {&MainWindowState::verdictFont, u"Microsoft YaHei UI", -21, FW_BOLD},
    {&MainWindowState::resultFont, u"Consolas", -15, FW_NORMAL},
    {&MainWindowState::buttonFont, u"Microsoft YaHei UI", -15, FW_NORMAL},
    {&MainWindowState::smallFont, u"Microsoft YaHei UI", -12, FW_NORMAL},
};

void createTheme() {
    for (const FontSpec& font : kFonts)
        gWindow.*font.slot =
            CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, wide(font.face));
    gWindow.whiteBrush = CreateSolidBrush(RGB(255, 255, 255));
    gWindow.backgroundBrush = CreateSolidBrush(RGB(244, 247, 249));
}

// A second registration in the same process fails harmlessly; a class that is missing shows
// up as a window that cannot be created.
void registerWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = gWindow.instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(gWindow.instance, MAKEINTRESOURCEW(1));
    windowClass.hbrBackground = gWindow.backgroundBrush;
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassExW(&windowClass);
}

} // namespace

POINT centredFramePosition(int frameWidth, int frameHeight, int screenWidth, int screenHeight) {
    int x = (screenWidth - frameWidth) / 2;
    int y = (screenHeight - frameHeight) / 2;
    return {x < 0 ? 0 : x, y < 0 ? 0 : y};
}

HWND createMainWindow(HINSTANCE instance, const ToolDefinition* tool) {
    gWindow.instance = instance;
    gWindow.tool = tool;
    gWindow.alertLevel = 0;
    gWindow.resultText[0] = 0;
    // Window creation runs WM_CREATE at once, which reads the tool and the fonts.
    createTheme();
    registerWindowClass();

    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, kFrameStyle, FALSE);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const POINT position = centredFramePosition(width, height, screenWidth, screenHeight);

    HWND window = CreateWindowExW(0, kMainWindowClass, wide(tool->name), kFrameStyle, position.x,
                                  position.y, width, height, nullptr, nullptr, instance, nullptr);
    gWindow.mainWindow = window;
    if (window == nullptr) return nullptr;

    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetFocus(gWindow.inputEdits[0]);
    return window;
}

bool isCalculateKey(const MSG& message, HWND mainWindow) {
    return message.message == WM_KEYDOWN &&
           (message.wParam == VK_RETURN || message.wParam == VK_F5) &&
           IsChild(mainWindow, message.hwnd) != FALSE;
}

void runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The control never sees the key: no beep in an edit, no click of a focused button.
        if (isCalculateKey(message, gWindow.mainWindow)) {
            onCalculate();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int runMainWindow(HINSTANCE instance, const ToolDefinition* tool) {
    if (createMainWindow(instance, tool) == nullptr) return 1;
    runMessageLoop();
    return 0;
}

} // namespace tamrel
