// The window inside this process: what only the process itself can see (fonts, brushes, the
// window state and the status line) and tools other than the built-in one.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <limits>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "support/temp_folder.h"
#include "text/text_buffer.h"
#include "ui/bootstrap_win.h"
#include "ui/commands_win.h"
#include "ui/paint_win.h"
#include "ui/theme_win.h"
#include "ui/window_state_win.h"
#include "window_driver_win.h"

namespace tamrel {
namespace {

namespace fs = std::filesystem;
using test::waitUntil;
using test::windowText;

std::wstring asWide(const char16_t* text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text));
}

// Answers the message boxes the window thread shows, from a thread of its own, and keeps
// what they said.
class MessageBoxAnswerer {
public:
    struct Box {
        std::wstring caption;
        std::wstring text;
        HICON icon;
    };

    MessageBoxAnswerer() : thread_([this] { answer(); }) {}
    ~MessageBoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    std::vector<Box> boxes() {
        std::lock_guard<std::mutex> lock(mutex_);
        return boxes_;
    }

private:
    static BOOL CALLBACK findIcon(HWND child, LPARAM icon) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            *reinterpret_cast<HICON*>(icon) =
                reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        return TRUE;
    }

    void answer() {
        while (!stop_) {
            for (HWND box : test::topLevelWindows(GetCurrentProcessId(), L"#32770")) {
                Box seen{windowText(box), windowText(GetDlgItem(box, 0xFFFF)), nullptr};
                EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&seen.icon));
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    boxes_.push_back(seen);
                }
                SendMessageW(box, WM_COMMAND, IDOK, 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Box> boxes_;
    std::thread thread_;
};

HICON systemIcon(LPCWSTR id) { return LoadIconW(nullptr, id); }

class WindowInProcess : public ::testing::Test {
protected:
    void open(const ToolDefinition& tool) {
        gWindow = MainWindowState{};
        window = createMainWindow(GetModuleHandleW(nullptr), &tool);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (window != nullptr) DestroyWindow(window);
        // Leave no quit message behind: it would end the next test's message boxes at once.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {}
        platform::clearDataFolderOverride();
    }
    std::wstring status() const { return asWide(gWindow.statusText); }

    HWND window = nullptr;
};

TEST_F(WindowInProcess, ThemeFontsAndBrushesAreMadeAsTheThemeSays) {
    open(builtInTool());
    struct Font {
        HFONT MainWindowState::*field;
        const wchar_t* face;
        LONG height;
        LONG weight;
    };
    const Font fonts[] = {
        {&MainWindowState::titleFont, L"Microsoft YaHei UI", -27, 700},
        {&MainWindowState::subtitleFont, L"Microsoft YaHei UI", -14, 400},
        {&MainWindowState::labelFont, L"Microsoft YaHei UI", -14, 400},
        {&MainWindowState::editFont, L"Microsoft YaHei UI", -15, 400},
        {&MainWindowState::verdictFont, L"Microsoft YaHei UI", -21, 700},
        {&MainWindowState::resultFont, L"Consolas", -15, 400},
        {&MainWindowState::buttonFont, L"Microsoft YaHei UI", -15, 400},
        {&MainWindowState::smallFont, L"Microsoft YaHei UI", -12, 400},
    };
    for (const Font& font : fonts) {
        SCOPED_TRACE(testing::PrintToString(font.height));
        LOGFONTW actual{};
        ASSERT_EQ(GetObjectW(gWindow.*font.field, sizeof actual, &actual), int(sizeof actual));
        EXPECT_STREQ(actual.lfFaceName, font.face);
        EXPECT_EQ(actual.lfHeight, font.height);
        EXPECT_EQ(actual.lfWeight, font.weight);
        EXPECT_EQ(actual.lfQuality, CLEARTYPE_QUALITY);
        EXPECT_EQ(actual.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(actual.lfItalic | actual.lfUnderline | actual.lfStrikeOut, 0);
    }
    // One font per role, even where two roles look alike.
    EXPECT_NE(gWindow.subtitleFont, gWindow.labelFont);
    EXPECT_NE(gWindow.editFont, gWindow.buttonFont);

    LOGBRUSH brush{};
    ASSERT_NE(GetObjectW(gWindow.whiteBrush, sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
    ASSERT_NE(GetObjectW(gWindow.backgroundBrush, sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, RGB(244, 247, 249));

    // Window creation fills the state the commands work on.
    EXPECT_EQ(gWindow.mainWindow, window);
    EXPECT_EQ(gWindow.tool, &builtInTool());
    EXPECT_EQ(GetDlgCtrlID(gWindow.inputEdits[1]), 2001);
    EXPECT_EQ(gWindow.inputEdits[2], nullptr);
    EXPECT_EQ(GetDlgCtrlID(gWindow.resultEdit), 3000);
    EXPECT_EQ(GetDlgCtrlID(gWindow.aboutButton), 1005);
    EXPECT_EQ(status(), L"就绪：填写参数后按 F5 或点击“计算”");
    EXPECT_EQ(GetFocus(), gWindow.inputEdits[0]);
}

TEST(FramePosition, CentredButNeverOffTheTopOrLeftOfTheScreen) {
    struct Case {
        int screenWidth, screenHeight, x, y;
    };
    const Case cases[] = {
        {1280, 1024, 122, 122},
        {1037, 781, 0, 0},   // one pixel to spare: halves round down
        {1000, 1024, 0, 122},
        {1280, 600, 122, 0},
        {800, 600, 0, 0},
    };
    for (const Case& c : cases) {
        POINT p = centredFramePosition(1036, 780, c.screenWidth, c.screenHeight);
        EXPECT_EQ(p.x, c.x) << c.screenWidth;
        EXPECT_EQ(p.y, c.y) << c.screenHeight;
    }
}

TEST_F(WindowInProcess, OnlyEnterAndF5KeyDownsInAControlCalculate) {
    open(builtInTool());
    struct Case {
        const char* what;
        HWND target;
        UINT message;
        WPARAM key;
        bool calculates;
    };
    const Case cases[] = {
        {"Enter in an input edit", gWindow.inputEdits[1], WM_KEYDOWN, VK_RETURN, true},
        {"F5 in the result edit", gWindow.resultEdit, WM_KEYDOWN, VK_F5, true},
        {"Enter on a button", gWindow.copyButton, WM_KEYDOWN, VK_RETURN, true},
        {"Enter on the main window", window, WM_KEYDOWN, VK_RETURN, false},
        {"F5 released", gWindow.inputEdits[0], WM_KEYUP, VK_F5, false},
        {"another key", gWindow.inputEdits[0], WM_KEYDOWN, VK_F6, false},
        {"a window elsewhere", GetDesktopWindow(), WM_KEYDOWN, VK_RETURN, false},
    };
    for (const Case& c : cases) {
        MSG message{};
        message.hwnd = c.target;
        message.message = c.message;
        message.wParam = c.key;
        EXPECT_EQ(isCalculateKey(message, window), c.calculates) << c.what;
    }
}

// A tool of the test's own, to reach what the built-in tool does not have.
const InputField kTestInputs[] = {
    {"a", u"没有单位", nullptr, 1234567},
    {"b", u"空单位", u"", 1e-5},
    {"c", u"体重", u"kg", 0.5},
};
const OutputField kTestOutputs[] = {{"sum", u"合计", u"kg", "2*3", "f1"}};

ToolDefinition testTool(int32_t inputCount, int32_t reportKind) {
    ToolDefinition tool{};
    tool.id = 901;
    tool.name = u"测试工具";
    tool.category = u"测试";
    tool.referenceText = u"无";
    tool.noteText = nullptr;
    tool.inputCount = inputCount;
    tool.inputs = kTestInputs;
    tool.outputCount = 1;
    tool.outputs = kTestOutputs;
    tool.reportKind = reportKind;
    return tool;
}

int countStatics(HWND window) {
    int n = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        if (_wcsicmp(test::className(child).c_str(), L"Static") == 0) ++n;
    return n;
}

TEST_F(WindowInProcess, InputRowsShowDefaultsLikeG6AndAUnitOnlyWhenThereIsOne) {
    const ToolDefinition tool = testTool(3, 0);
    open(tool);
    EXPECT_EQ(windowText(gWindow.inputEdits[0]), L"1.23457e+06");
    EXPECT_EQ(windowText(gWindow.inputEdits[1]), L"1e-05");
    EXPECT_EQ(windowText(gWindow.inputEdits[2]), L"0.5");
    // Three labels, one unit ("kg"), verdict, note and reference.
    EXPECT_EQ(countStatics(window), 3 + 1 + 3);
    EXPECT_EQ(windowText(gWindow.noteLabel), L"");
}

TEST_F(WindowInProcess, AToolWithoutInputsLeavesTheFocusNowhereAndStillCalculates) {
    const ToolDefinition tool = testTool(0, 0);
    open(tool);
    EXPECT_EQ(GetFocus(), nullptr);
    onCalculate();
    EXPECT_EQ(asWide(gWindow.resultText), L"合计：6.0 kg\r\n");
}

TEST_F(WindowInProcess, AReportToolIsCopiedWithoutItsVerdict) {
    const ToolDefinition tool = testTool(0, 99);
    open(tool);
    onCalculate();
    EXPECT_EQ(asWide(gWindow.clipboardText), asWide(gWindow.resultText));
    EXPECT_EQ(windowText(gWindow.verdictLabel), L"暂无报告内容");
}

TEST_F(WindowInProcess, EveryCommandSaysInTheStatusLineWhatItDid) {
    open(builtInTool());
    onCalculate();
    EXPECT_EQ(status(), L"计算完成  Tamrel");
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(asWide(gWindow.clipboardText),
              L"口服吗啡当量：30.0 mg\r\n换算后起始量(75%)：22.5 mg\r\n—— 等效剂量换算完成，注意个体差异");
    onCopy();
    EXPECT_EQ(status(), L"结果已复制到剪贴板");
    onReset();
    EXPECT_EQ(status(), L"已恢复默认值");
    EXPECT_EQ(gWindow.resultText[0], 0);
}

TEST_F(WindowInProcess, ACopyThatCannotReachTheClipboardSaysSo) {
    open(builtInTool());
    onCalculate();
    ASSERT_TRUE(test::setClipboardText(L"held"));

    // Another thread holds the clipboard open while the command runs.
    std::atomic<bool> holding{false};
    std::atomic<bool> release{false};
    std::thread holder([&] {
        if (OpenClipboard(nullptr)) {
            holding = true;
            while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            CloseClipboard();
        }
    });
    ASSERT_TRUE(waitUntil([&] { return holding.load(); }));
    onCopy();
    release = true;
    holder.join();

    EXPECT_EQ(status(), L"复制失败：剪贴板暂不可用，请重试");
    EXPECT_EQ(test::clipboardText(), L"held");
}

TEST_F(WindowInProcess, ARefusedInputKeepsTheStateOfTheShownResult) {
    open(builtInTool());
    SetWindowTextW(gWindow.inputEdits[1], L"60");
    onCalculate();
    const std::u16string result = gWindow.resultText;
    const std::u16string clipboard = gWindow.clipboardText;
    const std::u16string statusBefore = gWindow.statusText;

    SetWindowTextW(gWindow.inputEdits[0], L"2");
    SetWindowTextW(gWindow.inputEdits[1], L"1e999");
    MessageBoxAnswerer answerer;
    onCalculate();
    std::vector<MessageBoxAnswerer::Box> boxes = answerer.boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"输入有误");
    EXPECT_EQ(boxes[0].icon, systemIcon(IDI_WARNING));

    EXPECT_EQ(gWindow.inputValues[0], 1.0) << "the drug read before the refused dose is not kept";
    EXPECT_EQ(gWindow.inputValues[1], 60.0);
    EXPECT_EQ(gWindow.resultText, result);
    EXPECT_EQ(gWindow.clipboardText, clipboard);
    EXPECT_EQ(gWindow.statusText, statusBefore);
    EXPECT_EQ(gWindow.alertLevel, 0);
    EXPECT_EQ(GetFocus(), gWindow.inputEdits[1]);
}

TEST_F(WindowInProcess, SaveConfirmsOnlyWhatWasWrittenAndOtherwiseNamesTheProblem) {
    test::TempFolder folder;
    const std::u16string dataFolder = folder.text();
    const std::u16string recordFolder = dataFolder + u"\\OrvelMedSuite\\records";
    const std::u16string file = recordFolder + u"\\T038.csv";
    // A data folder that fits its buffer while the record folder under it does not.
    const std::u16string longFolder =
        dataFolder + u"\\" + std::u16string(249 - dataFolder.size(), u'x');

    struct Case {
        const char* what;
        const char16_t* dataFolder;   // null: the folder cannot be determined
        bool folderInPlaceOfFile;
        std::u16string status;
        const wchar_t* caption;
        LPCWSTR icon;
        std::u16string message;
    };
    const Case cases[] = {
        {"saved", dataFolder.c_str(), false, u"记录已保存：" + file, L"已保存", IDI_INFORMATION,
         u"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。"},
        {"file not writable", dataFolder.c_str(), true, u"记录未保存：无法写入 " + file,
         L"未保存", IDI_WARNING,
         u"本次结果没有保存：无法写入记录文件\r\n" + file +
             u"\r\n请确认该文件没有被其他程序（如 Excel）占用，且所在文件夹可以写入。"},
        {"no data folder", nullptr, false, u"记录未保存：找不到本地数据文件夹", L"未保存",
         IDI_WARNING, u"本次结果没有保存：无法确定本机的本地应用数据文件夹。"},
        {"path too long to name", longFolder.c_str(), false, u"记录未保存：无法写入记录文件",
         L"未保存", IDI_WARNING, u"本次结果没有保存：无法写入记录文件。"},
    };
    open(builtInTool());
    onCalculate();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ec;
        fs::remove_all(fs::path(recordFolder), ec);
        if (c.folderInPlaceOfFile) fs::create_directories(fs::path(file), ec);
        platform::overrideDataFolder(c.dataFolder);

        MessageBoxAnswerer answerer;
        onSaveRecord();
        std::vector<MessageBoxAnswerer::Box> boxes = answerer.boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, c.caption);
        EXPECT_EQ(boxes[0].text, asWide(c.message.c_str()));
        EXPECT_EQ(boxes[0].icon, systemIcon(c.icon));
        EXPECT_EQ(gWindow.statusText, c.status);
    }
}

struct DcObjects {
    HGDIOBJ pen, brush, font;
    bool operator==(const DcObjects&) const = default;
};
DcObjects selectedIn(HDC dc) {
    return {GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
            GetCurrentObject(dc, OBJ_FONT)};
}

// A memory bitmap to paint into and read back.
class Canvas {
public:
    Canvas(int width, int height) : width_(width) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF at(int x, int y) const {
        GdiFlush();
        DWORD p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int count(RECT area, COLORREF color) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += at(x, y) == color;
        return n;
    }

private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_ = nullptr;
};

TEST_F(WindowInProcess, PaintStretchesTheBandsToAWiderClientAndPutsEverythingBack) {
    open(builtInTool());
    Canvas canvas(1200, 800);
    const DcObjects before = selectedIn(canvas.dc());
    gWindow.statusText[0] = 0;
    paintMainWindow(canvas.dc(), RECT{0, 0, 1200, 800});
    EXPECT_EQ(selectedIn(canvas.dc()), before);

    EXPECT_EQ(canvas.at(1199, 60), kTheme.headerColor);
    EXPECT_EQ(canvas.at(1199, 700), kTheme.bottomBarColor);
    EXPECT_EQ(canvas.at(600, 750), kTheme.backgroundColor);
    EXPECT_EQ(canvas.at(1100, 300), kTheme.backgroundColor) << "panels keep their place";
    // The web address ends 26 pixels left of the right edge.
    EXPECT_GT(canvas.count({960, 8, 1174, 34}, kTheme.webAddressColor), 0);
    EXPECT_EQ(canvas.count({1174, 0, 1200, 88}, kTheme.webAddressColor), 0);
    // An empty status line draws nothing on the bottom bar.
    EXPECT_EQ(canvas.count({740, 704, 1004, 720}, kTheme.bottomBarColor), 264 * 16);
}

TEST_F(WindowInProcess, ControlsGetTheirColoursAndTheVerdictFollowsTheLevel) {
    open(builtInTool());
    Canvas canvas(10, 10);
    struct Case {
        HWND control;
        int32_t level;
        COLORREF text;
    };
    const Case cases[] = {
        {gWindow.verdictLabel, 0, RGB(0, 128, 96)},  {gWindow.verdictLabel, 1, RGB(176, 132, 0)},
        {gWindow.verdictLabel, 2, RGB(214, 108, 0)}, {gWindow.verdictLabel, 3, RGB(190, 30, 45)},
        {gWindow.verdictLabel, 4, RGB(0, 128, 96)},  {gWindow.verdictLabel, -1, RGB(0, 128, 96)},
        {gWindow.resultEdit, 3, RGB(44, 56, 66)},    {gWindow.noteLabel, 3, RGB(44, 56, 66)},
        {GetWindow(window, GW_CHILD), 3, RGB(120, 132, 142)},  // the first input label
    };
    for (const Case& c : cases) {
        gWindow.alertLevel = c.level;
        LRESULT brush = SendMessageW(window, WM_CTLCOLORSTATIC,
                                     reinterpret_cast<WPARAM>(canvas.dc()),
                                     reinterpret_cast<LPARAM>(c.control));
        EXPECT_EQ(GetTextColor(canvas.dc()), c.text) << c.level;
        EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), gWindow.whiteBrush);
    }
    LRESULT brush = SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(canvas.dc()),
                                 reinterpret_cast<LPARAM>(gWindow.inputEdits[0]));
    EXPECT_EQ(GetTextColor(canvas.dc()), RGB(44, 56, 66));
    EXPECT_EQ(GetBkColor(canvas.dc()), RGB(255, 255, 255));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), gWindow.whiteBrush);
}

TEST_F(WindowInProcess, ButtonsAreDrawnInTheirFaceAndOutlineColours) {
    open(builtInTool());
    struct Case {
        HWND button;
        UINT state;
        COLORREF face;
        COLORREF outline;
    };
    const Case cases[] = {
        {gWindow.calculateButton, 0, RGB(0, 122, 168), RGB(0, 106, 148)},
        {gWindow.calculateButton, ODS_SELECTED, RGB(0, 100, 138), RGB(0, 106, 148)},
        {gWindow.saveButton, 0, RGB(255, 255, 255), RGB(206, 216, 224)},
        {gWindow.aboutButton, ODS_SELECTED | ODS_FOCUS, RGB(226, 234, 240), RGB(206, 216, 224)},
    };
    for (const Case& c : cases) {
        Canvas canvas(152, 40);
        const DcObjects before = selectedIn(canvas.dc());
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(c.button));
        item.itemState = c.state;
        item.hwndItem = c.button;
        item.hDC = canvas.dc();
        item.rcItem = {0, 0, 152, 40};
        EXPECT_EQ(SendMessageW(window, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)),
                  TRUE);
        EXPECT_EQ(canvas.at(4, 4), c.face) << item.CtlID;
        EXPECT_EQ(canvas.at(0, 20), c.outline) << item.CtlID;
        EXPECT_EQ(canvas.at(151, 39), c.outline) << item.CtlID;
        EXPECT_EQ(selectedIn(canvas.dc()), before);
    }
}

TEST_F(WindowInProcess, TheFrameCannotBeResized) {
    open(builtInTool());
    MINMAXINFO info{};
    info.ptMaxSize = {11, 12};
    info.ptMaxPosition = {13, 14};
    info.ptMinTrackSize = {1, 2};
    info.ptMaxTrackSize = {3, 4};
    EXPECT_EQ(SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 1036);
    EXPECT_EQ(info.ptMinTrackSize.y, 780);
    EXPECT_EQ(info.ptMaxTrackSize.x, 1036);
    EXPECT_EQ(info.ptMaxTrackSize.y, 780);
    EXPECT_EQ(info.ptMaxSize.x, 11);
    EXPECT_EQ(info.ptMaxPosition.y, 14);
}

TEST_F(WindowInProcess, EveryNotificationOfAButtonRunsItsCommand) {
    open(builtInTool());
    onCalculate();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(1004, BN_SETFOCUS), 0);
    EXPECT_EQ(status(), L"已恢复默认值");
    EXPECT_EQ(gWindow.resultText[0], 0);
}

} // namespace
} // namespace tamrel
