#include "reports/report_generators.h"
#include "reports/report_inputs.h"

namespace tamrel {

namespace {

struct HighAlertRow {
    const char16_t* drugClass;
    const char16_t* points;
};

// Classes 1 to 3, then the row for any other class.
constexpr HighAlertRow kHighAlertRows[] = {
    {u"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁",
     u"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。"},
    {u"胰岛素与口服降糖药：胰岛素、格列本脲",
     u"要点：独立存放、专用注射器、剂量双人核对、低血糖监测与急救糖备用。"},
    {u"抗凝与化疗药：肝素、华法林、低分子肝素、化疗药物",
     u"要点：化疗药集中配置与防护、抗凝药监测 INR/APTT、出血风险宣教。"},
    {u"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类",
     u"要点：专柜加锁、基数管理、使用后登记、拮抗剂（纳洛酮/新斯的明）备用。"},
};

constexpr const char16_t* kSurgicalChecklistLines[] = {
    u"手术安全核查表（三步核查）：",
    u"【麻醉实施前】身份/部位/术式/知情同意；过敏史；气道与插管风险；出血风险；影像与植入物；皮肤准备。",
    u"【手术开始前】团队自我介绍；确认患者、部位、术式；预计手术时间与失血量；抗菌药物已用；器械灭菌合格；影像资料到位。",
    u"【患者离室前】手术名称与记录一致；标本标识与送检；器械敷料清点；皮肤与管路；恢复与转运方案。",
    u"",
    u"要求：三方（外科、麻醉、护理）共同口述确认并签字，任一环节缺失不得开台。",
};

constexpr int32_t kMaxHandoverBeds = 30;

// Follows the two-digit bed number on every bed line.
constexpr const char16_t* kHandoverBedFields =
    u" 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%；本班处置＿＿；"
    u"管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。";

} // namespace

int32_t highAlertDrugs(const ToolDefinition& tool, const double* inputValues, ReportWriter& out,
                       TextBuffer& verdict) {
    const int32_t k = findReportInt(tool, inputValues, "kind");
    const HighAlertRow& row = rowForChoice(kHighAlertRows, k);
    out.appendLine(u"高警示药品类别与要点：");
    out.appendLine(row.drugClass);
    out.appendLine(row.points);
    verdict.append(u"高警示药品须专区、专标识、双人核对");
    return 0;
}

int32_t surgicalChecklist(const ToolDefinition&, const double*, ReportWriter& out,
                          TextBuffer& verdict) {
    for (const char16_t* line : kSurgicalChecklistLines) out.appendLine(line);
    verdict.append(u"三方核查缺一不可，签字后归档");
    return 0;
}

int32_t handoverTemplate(const ToolDefinition& tool, const double* inputValues,
                         ReportWriter& out, TextBuffer& verdict) {
    const int32_t beds =
        clampReportInt(findReportInt(tool, inputValues, "beds"), 1, kMaxHandoverBeds);
    out.appendLine(u"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：");
    for (int32_t bed = 1; bed <= beds; ++bed) {
        TextBuffer& line = out.startLine();
        line.appendInt(bed, 2);
        line.append(kHandoverBedFields);
        out.endLine();
    }
    out.appendLine(u"");
    out.appendLine(u"危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。");
    verdict.append(u"模板已生成，床旁交接并双方签名");
    return 0;
}

} // namespace tamrel
