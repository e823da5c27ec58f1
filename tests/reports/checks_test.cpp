#include <gtest/gtest.h>

#include <vector>

#include "report_lines.h"
#include "report_test_tool.h"
#include "reports/generate_report.h"

namespace tamrel {
namespace {

using test::reportLines;
using test::runReport;
using test::splitLines;

const char16_t* const kDrugKey1 = u"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索";
const char16_t* const kDrugKey2 = u"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺";
const char16_t* const kForbidden =
    u"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。";
const char16_t* const kVancomycin =
    u"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。";
const char16_t* const kFurosemide =
    u"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。";
const char16_t* const kOmeprazole = u"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。";
const char16_t* const kUnlisted =
    u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。";

TEST(CompatibilityCheck, FullReportForCalciumWithBicarbonate) {
    test::ReportOutput out = runReport(kCompatibilityCheck, {{"drugA", 9}, {"drugB", 2}});
    EXPECT_EQ(out.text, reportLines({u"待查：9 号 碳酸氢钠  +  2 号 葡萄糖酸钙", u"", kDrugKey1,
                                     kDrugKey2, u"", kForbidden}));
    EXPECT_EQ(out.verdict, u"禁忌：不可同瓶输注，需间隔冲管");
    EXPECT_EQ(out.level, 3);
}

TEST(CompatibilityCheck, PairsMatchInEitherOrder) {
    struct Case {
        double a, b;
        const char16_t* conclusion;
        const char16_t* verdict;
        int32_t level;
    };
    const Case cases[] = {
        {1, 2, kForbidden, u"禁忌：不可同瓶输注，需间隔冲管", 3},
        {2, 9, kForbidden, u"禁忌：不可同瓶输注，需间隔冲管", 3},
        {3, 6, kVancomycin, u"不宜同瓶，分开输注并冲管", 2},
        {3, 9, kVancomycin, u"不宜同瓶，分开输注并冲管", 2},
        {4, 10, kFurosemide, u"不宜同瓶，建议分开输注", 2},
        {5, 9, kFurosemide, u"不宜同瓶，建议分开输注", 2},
        {6, 7, kOmeprazole, u"建议分开输注", 1},
        {3, 3, kUnlisted, u"未收录明确禁忌，仍需核对院内配伍表", 0},
        {8, 1, kUnlisted, u"未收录明确禁忌，仍需核对院内配伍表", 0},
        {8, 10, kUnlisted, u"未收录明确禁忌，仍需核对院内配伍表", 0},
        {1, 9, kUnlisted, u"未收录明确禁忌，仍需核对院内配伍表", 0},
        {0, 2, kUnlisted, u"未收录明确禁忌，仍需核对院内配伍表", 0},
        {11, 2, kUnlisted, u"未收录明确禁忌，仍需核对院内配伍表", 0},
        {2.9, 1.5, kForbidden, u"禁忌：不可同瓶输注，需间隔冲管", 3},
    };
    for (const Case& c : cases) {
        for (bool swapped : {false, true}) {
            const double a = swapped ? c.b : c.a;
            const double b = swapped ? c.a : c.b;
            SCOPED_TRACE(testing::Message() << a << " + " << b);
            test::ReportOutput out = runReport(kCompatibilityCheck, {{"drugA", a}, {"drugB", b}});
            std::vector<std::u16string> lines = splitLines(out.text);
            ASSERT_EQ(lines.size(), 6u);
            EXPECT_EQ(lines[5], c.conclusion);
            EXPECT_EQ(out.verdict, c.verdict);
            EXPECT_EQ(out.level, c.level);
        }
    }
}

TEST(CompatibilityCheck, UnknownNumbersShowTheFirstDrugsName) {
    struct Case {
        std::vector<test::TestInput> inputs;
        const char16_t* query;
    };
    const Case cases[] = {
        {{}, u"待查：0 号 头孢曲松  +  0 号 头孢曲松"},
        {{{"drugA", 0}, {"drugB", 11}}, u"待查：0 号 头孢曲松  +  11 号 头孢曲松"},
        {{{"drugA", 10}, {"drugB", -1}}, u"待查：10 号 多巴胺  +  -1 号 头孢曲松"},
        {{{"drugA", 1e10}, {"drugB", 7}}, u"待查：-2147483648 号 头孢曲松  +  7 号 维生素C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.inputs.size());
        test::ReportOutput out = runReport(kCompatibilityCheck, c.inputs);
        EXPECT_EQ(splitLines(out.text)[0], c.query);
        EXPECT_EQ(out.level, 0);
    }
}

TEST(InfusionCard, FullCards) {
    struct Case {
        const char* name;
        std::vector<test::TestInput> inputs;
        const char16_t* bedLine;
        const char16_t* drugLine;
        const char16_t* rateLine;
    };
    const Case cases[] = {
        {"a typical card", {{"bed", 12}, {"dose", 2.5}, {"volume", 250}, {"gtt", 40}},
         u"床号：12", u"药液：医嘱药量 2.50 ，加入溶媒 250 ml", u"滴速：40 滴/分（约 120 ml/h）"},
        {"missing inputs", {}, u"床号：0", u"药液：医嘱药量 0.00 ，加入溶媒 0 ml",
         u"滴速：0 滴/分（约 0 ml/h）"},
        {"halves go to even", {{"bed", 3.9}, {"dose", 0.125}, {"volume", 6.5}, {"gtt", 2.5}},
         u"床号：3", u"药液：医嘱药量 0.12 ，加入溶媒 6 ml", u"滴速：2 滴/分（约 8 ml/h）"},
        {"no clamps", {{"bed", -4}, {"dose", -1}, {"volume", 1e6}, {"gtt", 1000}}, u"床号：-4",
         u"药液：医嘱药量 -1.00 ，加入溶媒 1000000 ml", u"滴速：1000 滴/分（约 3000 ml/h）"},
        {"bed beyond the range", {{"bed", 1e10}}, u"床号：-2147483648",
         u"药液：医嘱药量 0.00 ，加入溶媒 0 ml", u"滴速：0 滴/分（约 0 ml/h）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ReportOutput out = runReport(kInfusionCard, c.inputs);
        EXPECT_EQ(out.text, reportLines({u"静脉输液卡", c.bedLine, c.drugLine, c.rateLine,
                                         u"核对：药名/剂量/浓度/有效期/配伍；双人签名。",
                                         u"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。"}));
        EXPECT_EQ(out.verdict, u"输液卡已生成，双人核对后执行");
        EXPECT_EQ(out.level, 0);
    }
}

} // namespace
} // namespace tamrel
