#include <gtest/gtest.h>

#include <string>

#include "app/self_test.h"
#include "support/temp_folder.h"
#include "text/utf8.h"

namespace tamrel {
namespace {

using test::readFileBytes;
using test::TempFolder;

// The bytes a report text becomes in the file.
std::string utf8(const std::u16string& text) {
    Utf8Encoder encoder(text.c_str(), static_cast<int32_t>(text.size()));
    std::string bytes;
    char piece[256];
    while (int32_t n = encoder.fill(piece, sizeof piece)) bytes.append(piece, n);
    return bytes;
}

struct SelfTestRun {
    int32_t exitCode;
    std::string bytes;
};

SelfTestRun runInFolder(const ToolDefinition& tool) {
    TempFolder folder;
    std::u16string path = folder.text(u"report.txt");
    int32_t code = runSelfTest(tool, path.c_str());
    return {code, readFileBytes(folder.path() / "report.txt")};
}

TEST(SelfTest, BuiltInToolWritesTheSevenLines) {
    SelfTestRun run = runInFolder(builtInTool());
    EXPECT_EQ(run.exitCode, kSelfTestPassed);
    EXPECT_EQ(run.bytes, utf8(u"TOOL|38|Tamrel|疼痛管理\r\n"
                              u"LEVEL|0\r\n"
                              u"OUT|口服吗啡当量|30.0|mg\r\n"
                              u"OUT|换算后起始量(75%)|22.5|mg\r\n"
                              u"VERDICT|等效剂量换算完成，注意个体差异\r\n"
                              u"DETAIL|口服吗啡当量：30.0 mg 换算后起始量(75%)：22.5 mg \r\n"
                              u"ERRORS|0\r\n"));
}

constexpr InputField kOneInput[] = {{"x", u"数值", u"", 4}};

TEST(SelfTest, FailingOutputIsCountedAndExitsWith2) {
    static constexpr OutputField outputs[] = {
        {"ok", u"正常", nullptr, "x*2", "f0"},
        {"bad", u"除零", u"次", "x/0", "f1"},
    };
    static constexpr VerdictRule rules[] = {{"", 1, u"完成"}};
    static constexpr ToolDefinition tool = {7, u"试算", nullptr, u"测试", u"", nullptr,
                                            1, kOneInput, 2, outputs, 1, rules, 0};
    SelfTestRun run = runInFolder(tool);
    EXPECT_EQ(run.exitCode, kSelfTestOutputFailed);
    EXPECT_EQ(run.bytes, utf8(u"TOOL|7|试算|测试\r\n"
                              u"LEVEL|1\r\n"
                              u"OUT|正常|8|\r\n"
                              u"OUT|除零|0.0|次\r\n"
                              u"VERDICT|完成\r\n"
                              u"DETAIL|正常：8 除零：0.0 次 （部分结果无法计算，请检查输入是否合理） \r\n"
                              u"ERRORS|1\r\n"));
}

// An output that builds on an earlier one shows the same value in OUT as in DETAIL.
TEST(SelfTest, OutLinesAgreeWithTheCalculation) {
    static constexpr OutputField outputs[] = {
        {"a", u"甲", nullptr, "x+1", "f0"},
        {"b", u"乙", nullptr, "a*10", "f0"},
        {"c", u"丙", nullptr, "c+1", "f0"},  // itself: reads 0
    };
    static constexpr ToolDefinition tool = {1, u"链", u"", u"测试", u"", u"",
                                            1, kOneInput, 3, outputs, 0, nullptr, 0};
    SelfTestRun run = runInFolder(tool);
    EXPECT_EQ(run.exitCode, kSelfTestPassed);
    EXPECT_EQ(run.bytes, utf8(u"TOOL|1|链|测试\r\n"
                              u"LEVEL|0\r\n"
                              u"OUT|甲|5|\r\n"
                              u"OUT|乙|50|\r\n"
                              u"OUT|丙|1|\r\n"
                              u"VERDICT|请核对输入参数后重新计算\r\n"
                              u"DETAIL|甲：5 乙：50 丙：1 \r\n"
                              u"ERRORS|0\r\n"));
}

TEST(SelfTest, ReportToolHasTheFixedOutLine) {
    static constexpr ToolDefinition tool = {3, u"采血", u"", u"检验", u"", u"",
                                            0, nullptr, 0, nullptr, 0, nullptr, 3};
    SelfTestRun run = runInFolder(tool);
    EXPECT_EQ(run.exitCode, kSelfTestPassed);
    EXPECT_EQ(run.bytes, utf8(u"TOOL|3|采血|检验\r\n"
                              u"LEVEL|0\r\n"
                              u"OUT|报告文本|见 DETAIL|\r\n"
                              u"VERDICT|按标准顺序采血可减少溶血与交叉污染\r\n"
                              u"DETAIL|标准采血顺序（按添加剂，避免交叉污染）： "
                              u"1 血培养瓶（需氧/厌氧） "
                              u"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT） "
                              u"3 促凝/血清管 红或金黄（生化、免疫） "
                              u"4 肝素管 绿（血气、部分生化） "
                              u"5 EDTA 紫（血常规、糖化、血型） "
                              u"6 氟化钠 灰（血糖、乳酸）  "
                              u"本次：其他项目，请按检验科项目手册执行。 \r\n"
                              u"ERRORS|0\r\n"));
}

// A report whose UTF-8 form is far beyond 8190 bytes is written whole.
TEST(SelfTest, LongChineseReportIsWrittenWhole) {
    static const std::u16string label(600, u'长');
    static OutputField outputs[16];
    static const char* keys[16] = {"k0", "k1", "k2", "k3", "k4", "k5", "k6", "k7",
                                   "k8", "k9", "k10", "k11", "k12", "k13", "k14", "k15"};
    for (int i = 0; i < 16; ++i) outputs[i] = {keys[i], label.c_str(), nullptr, "x", "f0"};
    const ToolDefinition tool = {9, u"长报告", u"", u"测试", u"", u"",
                                 1, kOneInput, 16, outputs, 0, nullptr, 0};
    char16_t report[kSelfTestReportCapacity];
    buildSelfTestReport(tool, report, kSelfTestReportCapacity);
    std::string expected = utf8(report);
    ASSERT_GT(expected.size(), 8190u * 2);

    SelfTestRun run = runInFolder(tool);
    EXPECT_EQ(run.exitCode, kSelfTestPassed);
    EXPECT_EQ(run.bytes, expected);
    // Each OUT line is cut at 511 characters and so loses its value and line end.
    EXPECT_EQ(std::u16string(report).find(u"|4|"), std::u16string::npos);
}

TEST(SelfTest, UnwritableReportExitsWith3) {
    TempFolder folder;
    std::u16string path = folder.text(u"missing-folder") + u"/report.txt";
    EXPECT_EQ(runSelfTest(builtInTool(), path.c_str()), kSelfTestReportNotWritten);
    // A folder where the file should be cannot be opened as a file either.
    EXPECT_EQ(runSelfTest(builtInTool(), folder.text().c_str()), kSelfTestReportNotWritten);
}

TEST(SelfTest, ExistingReportIsTruncated) {
    TempFolder folder;
    std::u16string path = folder.text(u"report.txt");
    ASSERT_TRUE(writeUtf8File(path.c_str(), std::u16string(20000, u'x').c_str()));
    ASSERT_TRUE(writeUtf8File(path.c_str(), u"短"));
    EXPECT_EQ(readFileBytes(folder.path() / "report.txt"), "\xE7\x9F\xAD");
}

} // namespace
} // namespace tamrel
