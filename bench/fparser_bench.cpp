#include <benchmark/benchmark.h>

#include <fparser.hh>

// fparser on the same formulas, parsed afresh on every run as our evaluator reads them. All
// but one benchmark reuse a single parser object, which favours fparser. fparser writes == as
// = and a ? b : c as if(a, b, c).
namespace {

constexpr char kConversionFormula[] =
    "if(drug=1,dose,if(drug=2,dose*3,if(drug=3,dose*1.5,dose*0.15)))";
constexpr char kRuleCondition[] = "ome>300";

void parseAndEvaluate(benchmark::State& state, const char* formula, const char* variables,
                      const double* values, double expected) {
    FunctionParser parser;
    for (auto _ : state) {
        int error = parser.Parse(formula, variables);
        double v = parser.Eval(values);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(v);
    }
    if (parser.Parse(formula, variables) >= 0 || parser.Eval(values) != expected)
        state.SkipWithError("fparser did not read the formula");
}

void BM_FparserConversionFormula(benchmark::State& state) {
    const double values[] = {2, 10};
    parseAndEvaluate(state, kConversionFormula, "drug,dose", values, 30);
}
BENCHMARK(BM_FparserConversionFormula);

void BM_FparserRuleCondition(benchmark::State& state) {
    const double values[] = {30};
    parseAndEvaluate(state, kRuleCondition, "ome", values, 0);
}
BENCHMARK(BM_FparserRuleCondition);

// A caller with nothing prepared: a new parser for each formula, as a one-off evaluation is.
void BM_FparserNewParserConversionFormula(benchmark::State& state) {
    const double values[] = {2, 10};
    for (auto _ : state) {
        FunctionParser parser;
        benchmark::DoNotOptimize(parser.Parse(kConversionFormula, "drug,dose"));
        benchmark::DoNotOptimize(parser.Eval(values));
    }
}
BENCHMARK(BM_FparserNewParserConversionFormula);

// Parsing alone, the yardstick for one whole calculate.
void BM_FparserParseConversionFormula(benchmark::State& state) {
    FunctionParser parser;
    for (auto _ : state) benchmark::DoNotOptimize(parser.Parse(kConversionFormula, "drug,dose"));
}
BENCHMARK(BM_FparserParseConversionFormula);

} // namespace
