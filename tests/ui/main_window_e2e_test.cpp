// The program as a user meets it: the real Tamrel.exe, driven through window messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tamrel_process_win.h"
#include "window_driver_win.h"

namespace tamrel::test {
namespace {

namespace fs = std::filesystem;

constexpr int kCalculate = 1001;
constexpr int kSave = 1002;
constexpr int kCopy = 1003;
constexpr int kReset = 1004;
constexpr int kAbout = 1005;
constexpr int kDrugEdit = 2000;
constexpr int kDoseEdit = 2001;
constexpr int kResultEdit = 3000;

constexpr wchar_t kDrugLabel[] = L"药物(1吗啡口服/2吗啡静注/3羟考酮/4可待因)";
constexpr wchar_t kDefaultResult[] = L"口服吗啡当量：30.0 mg\r\n换算后起始量(75%)：22.5 mg\r\n";
constexpr wchar_t kDefaultVerdict[] = L"等效剂量换算完成，注意个体差异";
constexpr wchar_t kPrompt[] = L"填写左侧参数，点击“计算”";
constexpr wchar_t kNote[] = L"换算后需按 50-75% 起始并个体化滴定，警惕呼吸抑制。";
constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr char kCsvHeader[] = "时间,工具,药物(1吗啡口服/2吗啡静注/3羟考酮/4可待因),当前剂量,结果\r\n";

std::wstring firstLine(const std::wstring& text) { return text.substr(0, text.find(L"\r\n")); }

std::string digits(int value, size_t width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
}

// The local time as the record file writes it; such stamps compare as texts.
std::string localTimestamp() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return digits(t.wYear, 4) + "-" + digits(t.wMonth, 2) + "-" + digits(t.wDay, 2) + " " +
           digits(t.wHour, 2) + ":" + digits(t.wMinute, 2) + ":" + digits(t.wSecond, 2);
}

void removeRecordFile() {
    std::error_code ec;
    fs::remove_all(fs::path(builtInRecordFile()), ec);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.started()) << "Tamrel.exe did not open its window"; }

    HWND edit(int id) const { return app.control(id); }
    HWND verdictLabel() const { return app.childAt(492, 142); }
    std::wstring resultShown() const { return windowText(app.control(kResultEdit)); }
    std::wstring verdictShown() const { return windowText(verdictLabel()); }

    void setInputs(const std::wstring& drug, const std::wstring& dose) const {
        setWindowText(edit(kDrugEdit), drug);
        setWindowText(edit(kDoseEdit), dose);
    }
    // Presses a button whose command answers with a message box, reads the box and closes it.
    MessageBoxSeen pressAndCloseBox(int commandId) const {
        app.press(commandId);
        MessageBoxSeen seen = waitForMessageBox(app.processId());
        EXPECT_NE(seen.box, nullptr) << "no message box after command " << commandId;
        EXPECT_TRUE(closeMessageBoxes(app.processId()));
        return seen;
    }

    TamrelProcess app;
};

struct ExpectedControl {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    RECT rect;
    int id;
};

TEST_F(MainWindowTest, OpensWithItsControlsInPlaceAndClosesWithCodeZero) {
    EXPECT_EQ(windowText(app.window()), L"Tamrel");
    const DWORD style = static_cast<DWORD>(GetWindowLongW(app.window(), GWL_STYLE));
    EXPECT_EQ(style & 0x00CF0000, 0x00CA0000u) << "caption, system menu and minimize box only";
    RECT client{};
    GetClientRect(app.window(), &client);
    EXPECT_GE(client.right, 1020);
    EXPECT_GE(client.bottom, 720);
    EXPECT_EQ(focusOfThread(app.window()), edit(kDrugEdit));

    const DWORD label = WS_CHILD | WS_VISIBLE | SS_RIGHT;
    const DWORD plain = WS_CHILD | WS_VISIBLE;
    const DWORD input = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    const DWORD result =
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY;
    const DWORD button = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    const ExpectedControl expected[] = {
        {L"Static", kDrugLabel, label, 0, {24, 151, 208, 173}, 0},
        {L"Edit", L"1", input, WS_EX_CLIENTEDGE, {216, 146, 368, 173}, 2000},
        {L"Static", L"当前剂量", label, 0, {24, 185, 208, 207}, 0},
        {L"Edit", L"30", input, WS_EX_CLIENTEDGE, {216, 180, 368, 207}, 2001},
        {L"Static", L"mg", plain, 0, {374, 184, 452, 206}, 0},
        {L"Static", kPrompt, plain, 0, {492, 142, 984, 188}, 0},
        {L"Edit", L"", result, WS_EX_CLIENTEDGE, {492, 196, 984, 428}, 3000},
        {L"Static", kNote, plain, 0, {492, 444, 984, 564}, 0},
        {L"Static", L"参考依据：口服吗啡 30mg ≈ 羟考酮 20mg ≈ 可待因 200mg；静脉吗啡:口服≈1:3", plain,
         0, {492, 576, 984, 632}, 0},
        {L"Button", L"计算 (F5)", button, 0, {20, 668, 172, 708}, 1001},
        {L"Button", L"保存记录", button, 0, {184, 668, 316, 708}, 1002},
        {L"Button", L"复制结果", button, 0, {328, 668, 460, 708}, 1003},
        {L"Button", L"清空重填", button, 0, {472, 668, 604, 708}, 1004},
        {L"Button", L"关于", button, 0, {616, 668, 726, 708}, 1005},
    };
    std::vector<ChildControl> children = app.children();
    ASSERT_EQ(children.size(), std::size(expected));
    for (size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        const ChildControl& actual = children[i];
        EXPECT_EQ(_wcsicmp(actual.className.c_str(), expected[i].className), 0);
        EXPECT_EQ(actual.text, expected[i].text);
        EXPECT_EQ(actual.style, expected[i].style);
        EXPECT_EQ(actual.exStyle & WS_EX_CLIENTEDGE, expected[i].exStyle);
        EXPECT_EQ(actual.rect.left, expected[i].rect.left);
        EXPECT_EQ(actual.rect.top, expected[i].rect.top);
        EXPECT_EQ(actual.rect.right, expected[i].rect.right);
        EXPECT_EQ(actual.rect.bottom, expected[i].rect.bottom);
        EXPECT_EQ(actual.id, expected[i].id);
    }

    EXPECT_EQ(app.close(), 0);
}

TEST_F(MainWindowTest, CalculateRunsFromItsButtonAndFromEnterOrF5InAnyControl) {
    struct Way {
        const char* name;
        int target;  // a control id, or 0 for the button command itself
        WPARAM key;
    };
    const Way ways[] = {
        {"button", 0, 0},
        {"Enter in the dose edit", kDoseEdit, VK_RETURN},
        {"F5 in the drug edit", kDrugEdit, VK_F5},
        {"Enter in the result edit", kResultEdit, VK_RETURN},
        {"F5 on the Save button", kSave, VK_F5},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        app.run(kReset);
        ASSERT_EQ(resultShown(), L"");
        if (way.target == 0)
            app.press(kCalculate);
        else
            app.pressKey(edit(way.target), way.key);
        EXPECT_TRUE(waitUntil([&] { return resultShown() == kDefaultResult; })) << resultShown();
        EXPECT_EQ(verdictShown(), kDefaultVerdict);
        EXPECT_EQ(focusOfThread(app.window()), app.window());
        EXPECT_TRUE(topLevelWindows(app.processId(), L"#32770").empty()) << "a button was clicked";
    }

    // With the focus on the main window itself the keys do nothing. The typed character posted
    // after them shows when they have been handled.
    app.run(kReset);
    app.pressKey(app.window(), VK_RETURN);
    app.pressKey(app.window(), VK_F5);
    PostMessageW(edit(kDoseEdit), WM_CHAR, L'7', 1);
    EXPECT_TRUE(waitUntil([&] { return windowText(edit(kDoseEdit)).size() == 3; }));
    EXPECT_EQ(resultShown(), L"");
}

TEST_F(MainWindowTest, InputTextIsReadAsTheNumberItBeginsWith) {
    struct Case {
        std::wstring dose;
        const wchar_t* firstLine;
    };
    const Case cases[] = {
        {L"12abc", L"口服吗啡当量：12.0 mg"},
        {L"abc", L"口服吗啡当量：0.0 mg"},
        {L"0x10", L"口服吗啡当量：16.0 mg"},
        {L"1,5", L"口服吗啡当量：1.0 mg"},
        {L"2.5e1", L"口服吗啡当量：25.0 mg"},
        {L"", L"口服吗啡当量：0.0 mg"},
        {L"    ", L"口服吗啡当量：0.0 mg"},
        {L"  45", L"口服吗啡当量：45.0 mg"},
        // Only the first 127 characters are read: the 5 after them is not seen.
        {std::wstring(127, L'0') + L"5", L"口服吗啡当量：0.0 mg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.dose.size()) + " characters");
        setInputs(L"1", c.dose);
        app.run(kCalculate);
        EXPECT_EQ(firstLine(resultShown()), c.firstLine);
    }
}

TEST_F(MainWindowTest, NonFiniteInputIsRefusedAndChangesNothing) {
    struct Case {
        const wchar_t* drug;
        const wchar_t* dose;
        std::wstring message;
        int refusedEdit;
    };
    const Case cases[] = {
        {L"1", L"1e999", L"第 2 项“当前剂量”请输入数字。", kDoseEdit},
        {L"1", L"-inf", L"第 2 项“当前剂量”请输入数字。", kDoseEdit},
        {L"nan", L"30", std::wstring(L"第 1 项“") + kDrugLabel + L"”请输入数字。", kDrugEdit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.refusedEdit));
        setInputs(L"2", L"120");
        app.run(kCalculate);
        const std::wstring shownResult = resultShown();
        ASSERT_EQ(firstLine(shownResult), L"口服吗啡当量：360.0 mg");

        setInputs(c.drug, c.dose);
        MessageBoxSeen box = pressAndCloseBox(kCalculate);
        EXPECT_EQ(box.caption, L"输入有误");
        EXPECT_EQ(box.text, c.message);
        EXPECT_TRUE(waitUntil([&] { return focusOfThread(app.window()) == edit(c.refusedEdit); }));
        EXPECT_EQ(resultShown(), shownResult);
        EXPECT_EQ(verdictShown(), L"高剂量阿片，需专科评估并备纳洛酮");
    }
}

TEST_F(MainWindowTest, SaveAfterARefusedInputRecordsTheValuesOfTheShownResult) {
    removeRecordFile();
    setInputs(L"1", L"60");
    app.run(kCalculate);
    setInputs(L"3", L"1e999");
    EXPECT_EQ(pressAndCloseBox(kCalculate).caption, L"输入有误");

    EXPECT_EQ(pressAndCloseBox(kSave).caption, L"已保存");
    const std::string bytes = readBytes(builtInRecordFile());
    EXPECT_NE(bytes.find(",Tamrel,药物(1吗啡口服/2吗啡静注/3羟考酮/4可待因)=1,当前剂量=60,"
                         "口服吗啡当量：60.0 mg\r\n"),
              std::string::npos)
        << bytes;
    removeRecordFile();
}

TEST_F(MainWindowTest, CopyPutsTheNameTheResultAndTheVerdictOnTheClipboard) {
    ASSERT_TRUE(setClipboardText(L"before"));
    MessageBoxSeen box = pressAndCloseBox(kCopy);
    EXPECT_EQ(box.caption, L"提示");
    EXPECT_EQ(box.text, L"请先点击“计算”生成结果。");
    EXPECT_EQ(clipboardText(), L"before");

    app.run(kCalculate);
    app.run(kCopy);
    EXPECT_EQ(clipboardText(),
              L"Tamrel\r\n口服吗啡当量：30.0 mg\r\n换算后起始量(75%)：22.5 mg\r\n"
              L"—— 等效剂量换算完成，注意个体差异");

    // A clipboard held by another program is left as it is.
    ASSERT_TRUE(setClipboardText(L"held"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    app.run(kCopy);
    CloseClipboard();
    EXPECT_EQ(clipboardText(), L"held");
}

TEST_F(MainWindowTest, ResetBringsBackTheDefaultsAndForgetsTheResult) {
    removeRecordFile();
    setInputs(L"3", L"99");
    app.run(kCalculate);
    ASSERT_NE(resultShown(), L"");

    app.run(kReset);
    EXPECT_EQ(windowText(edit(kDrugEdit)), L"1");
    EXPECT_EQ(windowText(edit(kDoseEdit)), L"30");
    EXPECT_EQ(resultShown(), L"");
    EXPECT_EQ(verdictShown(), kPrompt);
    EXPECT_EQ(windowText(app.childAt(492, 444)), kNote);

    EXPECT_EQ(pressAndCloseBox(kCopy).text, L"请先点击“计算”生成结果。");
    MessageBoxSeen save = pressAndCloseBox(kSave);
    EXPECT_EQ(save.caption, L"提示");
    EXPECT_EQ(save.text, L"请先点击“计算”生成结果，再保存记录。");
    EXPECT_FALSE(fs::exists(fs::path(builtInRecordFile())));

    app.run(kCalculate);
    EXPECT_EQ(resultShown(), kDefaultResult);
    EXPECT_EQ(verdictShown(), kDefaultVerdict);
}

TEST_F(MainWindowTest, AboutShowsTheToolsTextsAndTheDisclaimer) {
    MessageBoxSeen box = pressAndCloseBox(kAbout);
    EXPECT_EQ(box.caption, L"关于本工具");
    EXPECT_EQ(box.text,
              L"Tamrel\r\n"
              L"\r\n"
              L"分类：疼痛管理\r\n"
              L"参考依据：口服吗啡 30mg ≈ 羟考酮 20mg ≈ 可待因 200mg；静脉吗啡:口服≈1:3\r\n"
              L"\r\n"
              L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
              L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n"
              L"\r\n"
              L"版本 V1.0    官网：www.example.org");
}

// The record of the default inputs after its 19-character time stamp.
const std::string kDefaultRecordTail =
    ",Tamrel,药物(1吗啡口服/2吗啡静注/3羟考酮/4可待因)=1,当前剂量=30,口服吗啡当量：30.0 mg\r\n"
    "换算后起始量(75%)：22.5 mg\r\n"
    "\r\n";

TEST_F(MainWindowTest, SaveAppendsEachResultToTheToolsCsvFile) {
    removeRecordFile();
    app.run(kCalculate);

    const std::string firstFrom = localTimestamp();
    MessageBoxSeen box = pressAndCloseBox(kSave);
    const std::string firstTo = localTimestamp();
    EXPECT_EQ(box.caption, L"已保存");
    EXPECT_EQ(box.text, L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。");
    const std::string prefix = std::string(kBom) + kCsvHeader;
    std::string bytes = readBytes(builtInRecordFile());
    ASSERT_EQ(bytes.size(), prefix.size() + 19 + kDefaultRecordTail.size()) << bytes;
    EXPECT_EQ(bytes.substr(0, prefix.size()), prefix);
    const std::string firstStamp = bytes.substr(prefix.size(), 19);
    EXPECT_TRUE(firstFrom <= firstStamp && firstStamp <= firstTo) << firstStamp;
    EXPECT_EQ(bytes.substr(prefix.size() + 19), kDefaultRecordTail);

    // The second record follows without a byte-order mark or header.
    EXPECT_EQ(pressAndCloseBox(kSave).caption, L"已保存");
    const std::string second = readBytes(builtInRecordFile()).substr(bytes.size());
    ASSERT_EQ(second.size(), 19 + kDefaultRecordTail.size()) << second;
    EXPECT_EQ(second.substr(19), kDefaultRecordTail);
    removeRecordFile();
}

TEST_F(MainWindowTest, SaveThatCannotWriteTheFileSaysSoAndNamesIt) {
    removeRecordFile();
    // A folder in the file's place: the record cannot be appended.
    const std::wstring file = builtInRecordFile();
    std::error_code ec;
    fs::create_directories(fs::path(file), ec);
    ASSERT_TRUE(fs::is_directory(fs::path(file)));

    app.run(kCalculate);
    MessageBoxSeen box = pressAndCloseBox(kSave);
    EXPECT_EQ(box.caption, L"未保存");
    EXPECT_EQ(box.text, L"本次结果没有保存：无法写入记录文件\r\n" + file +
                            L"\r\n请确认该文件没有被其他程序（如 Excel）占用，且所在文件夹可以写入。");
    removeRecordFile();
}

// Colours of the theme as they reach the screen.
constexpr COLORREF kBackground = RGB(244, 247, 249);
constexpr COLORREF kPanel = RGB(255, 255, 255);
constexpr COLORREF kHeaderBand = RGB(0, 108, 150);
constexpr COLORREF kAccent = RGB(0, 132, 176);
constexpr COLORREF kPanelFrame = RGB(218, 226, 232);
constexpr COLORREF kCaptionRule = RGB(228, 234, 238);
constexpr COLORREF kBottomBar = RGB(236, 241, 244);
constexpr COLORREF kPrimaryButton = RGB(0, 122, 168);
constexpr COLORREF kPrimaryButtonBorder = RGB(0, 106, 148);
constexpr COLORREF kButtonBorder = RGB(206, 216, 224);
constexpr COLORREF kVerdictNormal = RGB(0, 128, 96);
constexpr COLORREF kVerdictSerious = RGB(190, 30, 45);

TEST_F(MainWindowTest, PaintsTheThemeColours) {
    struct Point {
        const char* region;
        int x;
        int y;
        COLORREF color;
    };
    const Point points[] = {
        {"accent strip", 3, 44, kAccent},
        {"header band", 900, 70, kHeaderBand},
        {"background between header and panels", 300, 92, kBackground},
        {"left panel", 300, 600, kPanel},
        {"left panel outline", 20, 300, kPanelFrame},
        {"right panel", 992, 300, kPanel},
        {"right panel outline", 999, 300, kPanelFrame},
        {"left caption rule", 400, 133, kCaptionRule},
        {"right caption rule", 900, 133, kCaptionRule},
        {"bottom bar", 900, 670, kBottomBar},
        {"Calculate button face", 26, 674, kPrimaryButton},
        {"Calculate button outline", 20, 690, kPrimaryButtonBorder},
        {"Save button face", 190, 674, kPanel},
        {"Save button outline", 184, 690, kButtonBorder},
        {"background below the bottom bar", 300, 721, kBackground},
    };
    const RECT verdictArea = {492, 142, 984, 188};
    std::unique_ptr<ClientCapture> shot;
    // The main window and each child control paint separately and may still be on their way
    // to the screen: wait until everything has been drawn, then check what was drawn.
    auto allPainted = [&] {
        for (const Point& p : points)
            if (p.y < shot->height() && shot->at(p.x, p.y) != p.color) return false;
        return shot->count(verdictArea, kVerdictNormal) > 20;
    };
    waitUntil([&] {
        shot = std::make_unique<ClientCapture>(app.window());
        return allPainted();
    });
    for (const Point& p : points) {
        if (p.y >= shot->height()) continue;  // the client area may end at 720
        EXPECT_EQ(shot->at(p.x, p.y), p.color) << p.region;
    }
    EXPECT_GT(shot->count(verdictArea, kVerdictNormal), 20) << "the prompt in the level 0 colour";

    setInputs(L"2", L"120");
    app.run(kCalculate);
    ASSERT_EQ(verdictShown(), L"高剂量阿片，需专科评估并备纳洛酮");
    EXPECT_TRUE(waitUntil([&] {
        shot = std::make_unique<ClientCapture>(app.window());
        return shot->count(verdictArea, kVerdictSerious) > 20;
    })) << "the verdict in the level 3 colour";
    EXPECT_EQ(shot->count(verdictArea, kVerdictNormal), 0);

    app.run(kReset);
    ASSERT_EQ(verdictShown(), kPrompt);
    EXPECT_TRUE(waitUntil([&] {
        shot = std::make_unique<ClientCapture>(app.window());
        return shot->count(verdictArea, kVerdictNormal) > 20;
    })) << "the prompt in the level 0 colour again";
    EXPECT_EQ(shot->count(verdictArea, kVerdictSerious), 0);
}

} // namespace
} // namespace tamrel::test
