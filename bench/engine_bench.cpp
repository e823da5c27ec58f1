#include <benchmark/benchmark.h>

#include "engine/calculate.h"
#include "engine/formula.h"

// The built-in tool as the window uses it: intravenous morphine (drug 2), 10 mg.
namespace tamrel {
namespace {

constexpr double kInputs[] = {2, 10};
constexpr double kOutputs[] = {30, 22.5};

void evaluate(benchmark::State& state, const char* formula, double expected) {
    const ToolDefinition& tool = builtInTool();
    for (auto _ : state) {
        int32_t failed = 0;
        double v = evaluateExpression(tool, formula, kInputs, kOutputs, failed);
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(failed);
    }
    int32_t failed = 0;
    if (evaluateExpression(tool, formula, kInputs, kOutputs, failed) != expected || failed != 0)
        state.SkipWithError("unexpected value");
}

void BM_EvaluateConversionFormula(benchmark::State& state) {
    evaluate(state, builtInTool().outputs[0].expression, 30);
}
BENCHMARK(BM_EvaluateConversionFormula);

void BM_EvaluateRuleCondition(benchmark::State& state) { evaluate(state, "ome>300", 0); }
BENCHMARK(BM_EvaluateRuleCondition);

// Both outputs, their lines and the verdict, into the buffers the window passes.
void BM_CalculateBuiltInTool(benchmark::State& state) {
    static char16_t result[4096];
    static char16_t verdict[512];
    static char16_t copy[8192];
    for (auto _ : state) {
        int32_t level = 0;
        calculate(builtInTool(), kInputs, result, 4096, verdict, 512, level, copy, 8192);
        benchmark::DoNotOptimize(level);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CalculateBuiltInTool);

} // namespace
} // namespace tamrel
