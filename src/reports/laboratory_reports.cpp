#include "reports/report_generators.h"
#include "reports/report_inputs.h"

namespace tamrel {

namespace {

constexpr const char16_t* kBloodDrawOrderLines[] = {
    u"标准采血顺序（按添加剂，避免交叉污染）：",
    u"1 血培养瓶（需氧/厌氧）",
    u"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT）",
    u"3 促凝/血清管 红或金黄（生化、免疫）",
    u"4 肝素管 绿（血气、部分生化）",
    u"5 EDTA 紫（血常规、糖化、血型）",
    u"6 氟化钠 灰（血糖、乳酸）",
    u"",
};

// This draw, for kinds 1 to 6 and then for any other kind.
constexpr const char16_t* kBloodDrawThisTime[] = {
    u"本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。",
    u"本次：凝血 → 淡蓝管，需采满刻度线（约 2.0ml），采血后立即轻柔颠倒 3-4 次。",
    u"本次：生化 → 红/金黄管，避免溶血，采血后静置 30 分钟离心。",
    u"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。",
    u"本次：血培养 → 需氧+厌氧各 1 套，采血 2 套不同部位，先注入培养瓶。",
    u"本次：血糖/乳酸 → 灰管，需冰浴送检，30 分钟内完成。",
    u"本次：其他项目，请按检验科项目手册执行。",
};

// Up to three lines per row; unused ones are null.
struct CriticalValueRow {
    const char16_t* lines[3];
};

constexpr CriticalValueRow kCriticalValueRows[] = {
    {{u"血钾 <2.5 或 >6.5 mmol/L", u"血钠 <120 或 >160 mmol/L", u"血钙 <1.5 或 >3.5 mmol/L"}},
    {{u"血糖 <2.8 或 >22.2 mmol/L", u"pH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg"}},
    {{u"白细胞 <1.0 或 >30.0 ×10^9/L", u"血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L"}},
    {{u"INR >4.0；纤维蛋白原 <1.0 g/L", u"D-二聚体显著升高并伴临床血栓表现"}},
    {{u"血培养阳性（无菌部位）", u"脑脊液培养阳性；HIV 初筛阳性需确认"}},
    {{u"肌钙蛋白明显升高（高于第 99 百分位）", u"血淀粉酶/脂肪酶 >3 倍正常上限"}},
    {{u"请查阅本院《危急值报告目录》"}},
};

struct LabPanelRow {
    const char16_t* panel;
    const char16_t* note;
};

constexpr LabPanelRow kLabPanelRows[] = {
    {u"血常规（紫管 EDTA）：WBC、RBC、Hb、Hct、PLT、MCV/MCH/MCHC、中性/淋巴/单核/嗜酸/嗜碱比例。",
     u"注意：剧烈运动、情绪、采血时间可影响结果；PLT 聚集需涂片复核。"},
    {u"生化全套（红/金黄管）：肝功（ALT/AST/ALP/GGT/胆红素/白蛋白）、肾功（BUN/Cr/UA）、血糖、血脂、电解质。",
     u"注意：空腹 8-12 小时；溶血标本钾、AST 假性升高。"},
    {u"凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。",
     u"注意：采血量必须达刻度；肝素治疗中查 APTT。"},
    {u"甲状腺功能（红/金黄管）：TSH、FT3、FT4、TPOAb、TgAb。",
     u"注意：空腹；含碘造影剂后 1 周内避免复查。"},
    {u"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。",
     u"注意：胸痛发作后 2-4 小时开始升高；动态复查更有意义。"},
    {u"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。",
     u"注意：留取中段尿，1 小时内送检；月经期避免。"},
};

} // namespace

int32_t bloodDrawOrder(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                       TextBuffer& verdict) {
    const int32_t k = findReportInt(tool, inputValues, "kind");
    for (const char16_t* line : kBloodDrawOrderLines) out.appendLine(line);
    out.appendLine(rowForChoice(kBloodDrawThisTime, k));
    verdict.append(u"按标准顺序采血可减少溶血与交叉污染");
    return 0;
}

int32_t criticalValues(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                       TextBuffer& verdict) {
    const int32_t k = findReportInt(tool, inputValues, "kind");
    const CriticalValueRow& row = rowForChoice(kCriticalValueRows, k);
    out.appendLine(u"常见检验危急值（参考，需以本院文件为准）：");
    for (const char16_t* line : row.lines)
        if (line != nullptr) out.appendLine(line);
    out.appendLine(u"");
    out.appendLine(u"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。");
    verdict.append(u"危急值必须闭环：报告、接收、处理、记录");
    return 0;
}

int32_t labPanels(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                  TextBuffer& verdict) {
    const int32_t k = findReportInt(tool, inputValues, "panel");
    const LabPanelRow& row = rowForChoice(kLabPanelRows, k);
    out.appendLine(row.panel);
    out.appendLine(row.note);
    verdict.append(u"套餐与采血管已列出，按顺序采血");
    return 0;
}

} // namespace tamrel
