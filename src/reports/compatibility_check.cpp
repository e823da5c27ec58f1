#include "reports/report_generators.h"
#include "reports/report_inputs.h"

namespace tamrel {

namespace {

// Numbered from 1.
constexpr const char16_t* kCompatibilityDrugs[] = {
    u"头孢曲松", u"葡萄糖酸钙", u"万古霉素", u"呋塞米", u"氨溴索",
    u"奥美拉唑", u"维生素C",   u"胰岛素",   u"碳酸氢钠", u"多巴胺",
};
constexpr int32_t kCompatibilityDrugCount = 10;

struct DrugPair {
    int32_t lo;
    int32_t hi;
};

struct CompatibilityFinding {
    DrugPair pairs[2];  // unordered pairs, smaller number first; unused ones are {0, 0}
    const char16_t* conclusion;
    const char16_t* verdict;
    int32_t level;
};

constexpr CompatibilityFinding kCompatibilityFindings[] = {
    {{{1, 2}, {2, 9}},
     u"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。",
     u"禁忌：不可同瓶输注，需间隔冲管", 3},
    {{{3, 6}, {3, 9}},
     u"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。",
     u"不宜同瓶，分开输注并冲管", 2},
    {{{4, 10}, {5, 9}},
     u"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。",
     u"不宜同瓶，建议分开输注", 2},
    {{{6, 7}},
     u"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。",
     u"建议分开输注", 1},
};

// Every pair the table does not hold, equal numbers and unknown numbers included.
constexpr CompatibilityFinding kNoKnownConflict = {
    {},
    u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。",
    u"未收录明确禁忌，仍需核对院内配伍表", 0};

// An unknown number is shown with the first drug's name.
const char16_t* drugName(int32_t number) {
    return number >= 1 && number <= kCompatibilityDrugCount ? kCompatibilityDrugs[number - 1]
                                                            : kCompatibilityDrugs[0];
}

const CompatibilityFinding& findingFor(int32_t a, int32_t b) {
    const DrugPair pair = a < b ? DrugPair{a, b} : DrugPair{b, a};
    for (const CompatibilityFinding& finding : kCompatibilityFindings)
        for (const DrugPair& listed : finding.pairs)
            if (listed.lo != 0 && listed.lo == pair.lo && listed.hi == pair.hi) return finding;
    return kNoKnownConflict;
}

} // namespace

int32_t compatibilityCheck(const ToolDefinition& tool, const double* inputValues,
                           ReportWriter& out, TextBuffer& verdict) {
    const int32_t a = findReportInt(tool, inputValues, "drugA");
    const int32_t b = findReportInt(tool, inputValues, "drugB");

    TextBuffer& query = out.startLine();
    query.append(u"待查：");
    query.appendInt(a);
    query.append(u" 号 ");
    query.append(drugName(a));
    query.append(u"  +  ");
    query.appendInt(b);
    query.append(u" 号 ");
    query.append(drugName(b));
    out.endLine();
    out.appendLine(u"");
    out.appendLine(u"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索");
    out.appendLine(u"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺");
    out.appendLine(u"");

    const CompatibilityFinding& finding = findingFor(a, b);
    out.appendLine(finding.conclusion);
    verdict.append(finding.verdict);
    return finding.level;
}

} // namespace tamrel
