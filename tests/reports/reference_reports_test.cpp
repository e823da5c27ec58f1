#include <gtest/gtest.h>

#include <limits>

#include "report_lines.h"
#include "report_test_tool.h"
#include "reports/generate_report.h"

namespace tamrel {
namespace {

using test::reportLines;
using test::runReport;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(BloodDrawOrder, FullReportForABloodCount) {
    test::ReportOutput out = runReport(kBloodDrawOrder, {{"kind", 1}});
    EXPECT_EQ(out.text, reportLines({
                            u"标准采血顺序（按添加剂，避免交叉污染）：",
                            u"1 血培养瓶（需氧/厌氧）",
                            u"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT）",
                            u"3 促凝/血清管 红或金黄（生化、免疫）",
                            u"4 肝素管 绿（血气、部分生化）",
                            u"5 EDTA 紫（血常规、糖化、血型）",
                            u"6 氟化钠 灰（血糖、乳酸）",
                            u"",
                            u"本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。",
                        }));
    EXPECT_EQ(out.verdict, u"按标准顺序采血可减少溶血与交叉污染");
    EXPECT_EQ(out.level, 0);
}

struct ChoiceCase {
    const char* name;
    double value;  // NaN: the tool has no such input
    const char16_t* expected;
};

TEST(BloodDrawOrder, LineForThisDrawByKind) {
    const char16_t* other = u"本次：其他项目，请按检验科项目手册执行。";
    const ChoiceCase cases[] = {
        {"absent", kNaN, other},
        {"0", 0, other},
        {"2.9 truncates to 2", 2.9,
         u"本次：凝血 → 淡蓝管，需采满刻度线（约 2.0ml），采血后立即轻柔颠倒 3-4 次。"},
        {"3", 3, u"本次：生化 → 红/金黄管，避免溶血，采血后静置 30 分钟离心。"},
        {"4", 4, u"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。"},
        {"5", 5, u"本次：血培养 → 需氧+厌氧各 1 套，采血 2 套不同部位，先注入培养瓶。"},
        {"6", 6, u"本次：血糖/乳酸 → 灰管，需冰浴送检，30 分钟内完成。"},
        {"7", 7, other},
        {"-0.5 truncates to 0", -0.5, other},
        {"1e10 leaves the range", 1e10, other},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::ReportOutput out = c.value != c.value ? runReport(kBloodDrawOrder, {{"other", 1}})
                                                    : runReport(kBloodDrawOrder, {{"kind", c.value}});
        std::vector<std::u16string> lines = test::splitLines(out.text);
        ASSERT_EQ(lines.size(), 9u);
        EXPECT_EQ(lines[8], c.expected);
    }
}

TEST(CriticalValues, FullReportsForElectrolytesAndForAnUnlistedKind) {
    EXPECT_EQ(runReport(kCriticalValues, {{"kind", 1}}).text,
              reportLines({
                  u"常见检验危急值（参考，需以本院文件为准）：",
                  u"血钾 <2.5 或 >6.5 mmol/L",
                  u"血钠 <120 或 >160 mmol/L",
                  u"血钙 <1.5 或 >3.5 mmol/L",
                  u"",
                  u"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。",
              }));
    test::ReportOutput other = runReport(kCriticalValues, {{"kind", 7}});
    EXPECT_EQ(other.text,
              reportLines({
                  u"常见检验危急值（参考，需以本院文件为准）：",
                  u"请查阅本院《危急值报告目录》",
                  u"",
                  u"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。",
              }));
    EXPECT_EQ(other.verdict, u"危急值必须闭环：报告、接收、处理、记录");
    EXPECT_EQ(other.level, 0);
}

TEST(CriticalValues, LinesByKind) {
    struct Case {
        double kind;
        const char16_t* first;
        const char16_t* second;
    };
    const Case cases[] = {
        {2, u"血糖 <2.8 或 >22.2 mmol/L", u"pH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg"},
        {3, u"白细胞 <1.0 或 >30.0 ×10^9/L", u"血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L"},
        {4, u"INR >4.0；纤维蛋白原 <1.0 g/L", u"D-二聚体显著升高并伴临床血栓表现"},
        {5, u"血培养阳性（无菌部位）", u"脑脊液培养阳性；HIV 初筛阳性需确认"},
        {6, u"肌钙蛋白明显升高（高于第 99 百分位）", u"血淀粉酶/脂肪酶 >3 倍正常上限"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(runReport(kCriticalValues, {{"kind", c.kind}}).text,
                  reportLines({
                      u"常见检验危急值（参考，需以本院文件为准）：",
                      c.first,
                      c.second,
                      u"",
                      u"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。",
                  }));
    }
    // Without a kind input the unlisted row applies.
    EXPECT_EQ(test::splitLines(runReport(kCriticalValues, {}).text)[1],
              u"请查阅本院《危急值报告目录》");
}

TEST(HighAlertDrugs, ElectrolytesKeepTheirPercentSigns) {
    test::ReportOutput out = runReport(kHighAlertDrugs, {{"kind", 1}});
    EXPECT_EQ(out.text, reportLines({
                            u"高警示药品类别与要点：",
                            u"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁",
                            u"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。",
                        }));
    EXPECT_EQ(out.verdict, u"高警示药品须专区、专标识、双人核对");
    EXPECT_EQ(out.level, 0);
}

TEST(HighAlertDrugs, ClassAndPointsByKind) {
    const char16_t* anaesthetics[] = {
        u"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类",
        u"要点：专柜加锁、基数管理、使用后登记、拮抗剂（纳洛酮/新斯的明）备用。"};
    struct Case {
        double kind;
        const char16_t* drugClass;
        const char16_t* points;
    };
    const Case cases[] = {
        {2, u"胰岛素与口服降糖药：胰岛素、格列本脲",
         u"要点：独立存放、专用注射器、剂量双人核对、低血糖监测与急救糖备用。"},
        {3, u"抗凝与化疗药：肝素、华法林、低分子肝素、化疗药物",
         u"要点：化疗药集中配置与防护、抗凝药监测 INR/APTT、出血风险宣教。"},
        {0, anaesthetics[0], anaesthetics[1]},
        {4, anaesthetics[0], anaesthetics[1]},
        {-1, anaesthetics[0], anaesthetics[1]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(runReport(kHighAlertDrugs, {{"kind", c.kind}}).text,
                  reportLines({u"高警示药品类别与要点：", c.drugClass, c.points}));
    }
}

TEST(SurgicalChecklist, FullReportWhateverTheInputs) {
    const std::u16string expected = reportLines({
        u"手术安全核查表（三步核查）：",
        u"【麻醉实施前】身份/部位/术式/知情同意；过敏史；气道与插管风险；出血风险；影像与植入物；皮肤准备。",
        u"【手术开始前】团队自我介绍；确认患者、部位、术式；预计手术时间与失血量；抗菌药物已用；器械灭菌合格；影像资料到位。",
        u"【患者离室前】手术名称与记录一致；标本标识与送检；器械敷料清点；皮肤与管路；恢复与转运方案。",
        u"",
        u"要求：三方（外科、麻醉、护理）共同口述确认并签字，任一环节缺失不得开台。",
    });
    for (double kind : {0.0, 1.0, 7.0}) {
        test::ReportOutput out = runReport(kSurgicalChecklist, {{"kind", kind}});
        EXPECT_EQ(out.text, expected);
        EXPECT_EQ(out.verdict, u"三方核查缺一不可，签字后归档");
        EXPECT_EQ(out.level, 0);
    }
}

TEST(HandoverTemplate, FullReportForTwoBeds) {
    test::ReportOutput out = runReport(kHandoverTemplate, {{"beds", 2}});
    EXPECT_EQ(out.text,
              reportLines({
                  u"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：",
                  u"01 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%；本班处置＿＿；管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。",
                  u"02 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%；本班处置＿＿；管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。",
                  u"",
                  u"危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。",
              }));
    EXPECT_EQ(out.verdict, u"模板已生成，床旁交接并双方签名");
    EXPECT_EQ(out.level, 0);
}

TEST(HandoverTemplate, BedCountIsClampedTo1To30) {
    struct Case {
        const char* name;
        double beds;  // NaN: no beds input
        int32_t expectedBeds;
        const char16_t* lastBedStart;
    };
    const Case cases[] = {
        {"absent", kNaN, 1, u"01 床："},
        {"0", 0, 1, u"01 床："},
        {"-3", -3, 1, u"01 床："},
        {"2.5", 2.5, 2, u"02 床："},
        {"30", 30, 30, u"30 床："},
        {"31", 31, 30, u"30 床："},
        {"1e10 leaves the range and falls below the clamp", 1e10, 1, u"01 床："},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ReportOutput out = c.beds != c.beds ? runReport(kHandoverTemplate, {})
                                                  : runReport(kHandoverTemplate, {{"beds", c.beds}});
        // Heading, the bed lines, an empty line and the closing line.
        std::vector<std::u16string> lines = test::splitLines(out.text);
        ASSERT_EQ(lines.size(), static_cast<size_t>(c.expectedBeds + 3));
        EXPECT_EQ(lines[c.expectedBeds].rfind(c.lastBedStart, 0), 0u) << "last bed line";
        EXPECT_TRUE(lines[c.expectedBeds + 1].empty());
    }
}

TEST(LabPanels, TwoLinesPerPanel) {
    struct Case {
        double panel;
        const char16_t* panelLine;
        const char16_t* note;
    };
    const char16_t* urine = u"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。";
    const char16_t* urineNote = u"注意：留取中段尿，1 小时内送检；月经期避免。";
    const Case cases[] = {
        {1, u"血常规（紫管 EDTA）：WBC、RBC、Hb、Hct、PLT、MCV/MCH/MCHC、中性/淋巴/单核/嗜酸/嗜碱比例。",
         u"注意：剧烈运动、情绪、采血时间可影响结果；PLT 聚集需涂片复核。"},
        {2, u"生化全套（红/金黄管）：肝功（ALT/AST/ALP/GGT/胆红素/白蛋白）、肾功（BUN/Cr/UA）、血糖、血脂、电解质。",
         u"注意：空腹 8-12 小时；溶血标本钾、AST 假性升高。"},
        {3, u"凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。",
         u"注意：采血量必须达刻度；肝素治疗中查 APTT。"},
        {4, u"甲状腺功能（红/金黄管）：TSH、FT3、FT4、TPOAb、TgAb。",
         u"注意：空腹；含碘造影剂后 1 周内避免复查。"},
        {5, u"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。",
         u"注意：胸痛发作后 2-4 小时开始升高；动态复查更有意义。"},
        {0, urine, urineNote},
        {6, urine, urineNote},
        {5.99, u"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。",
         u"注意：胸痛发作后 2-4 小时开始升高；动态复查更有意义。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        test::ReportOutput out = runReport(kLabPanels, {{"panel", c.panel}});
        EXPECT_EQ(out.text, reportLines({c.panelLine, c.note}));
        EXPECT_EQ(out.verdict, u"套餐与采血管已列出，按顺序采血");
        EXPECT_EQ(out.level, 0);
    }
}

} // namespace
} // namespace tamrel
