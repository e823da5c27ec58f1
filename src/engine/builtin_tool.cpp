#include "engine/tool.h"

namespace tamrel {

namespace {

// Drug codes: 1 oral morphine, 2 intravenous morphine (x3), 3 oxycodone (x1.5), any other
// code codeine (x0.15).
constexpr InputField kInputs[] = {
    {"drug", u"药物(1吗啡口服/2吗啡静注/3羟考酮/4可待因)", u"", 1},
    {"dose", u"当前剂量", u"mg", 30},
};

constexpr OutputField kOutputs[] = {
    {"ome", u"口服吗啡当量", u"mg",
     "drug==1?dose:drug==2?dose*3:drug==3?dose*1.5:dose*0.15", "f1"},
    {"new_dose", u"换算后起始量(75%)", u"mg",
     "(drug==1?dose:drug==2?dose*3:drug==3?dose*1.5:dose*0.15)*0.75", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"ome>300", 3, u"高剂量阿片，需专科评估并备纳洛酮"},
    {"", 0, u"等效剂量换算完成，注意个体差异"},
};

constexpr ToolDefinition kTool = {
    38,
    u"Tamrel",
    u"口服/静脉阿片药换算为口服吗啡当量",
    u"疼痛管理",
    u"口服吗啡 30mg ≈ 羟考酮 20mg ≈ 可待因 200mg；静脉吗啡:口服≈1:3",
    u"换算后需按 50-75% 起始并个体化滴定，警惕呼吸抑制。",
    2, kInputs,
    2, kOutputs,
    2, kRules,
    0,
};

} // namespace

const ToolDefinition& builtInTool() { return kTool; }

} // namespace tamrel
