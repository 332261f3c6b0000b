// The analysed period through the core, as OK runs it: the statistics over the typed texts
// and the report lines, for each sampling layout.
#include <benchmark/benchmark.h>

#include "strength_control/calc/AnalysedPeriod.h"

namespace an = orvan::analysed;

namespace {

an::ExtractTexts typedExtracts(const an::AnalysedPeriodLayout& layout) {
    an::ExtractTexts texts(layout.partyCount);
    for (int i = 0; i < layout.partyCount; ++i)
        for (int j = 0; j < layout.extractCount; ++j)
            texts[i].push_back(std::to_string(20 + i) + "." + std::to_string(j * 3 % 10));
    return texts;
}

void runAndReport(benchmark::State& state, const an::AnalysedPeriodLayout& layout) {
    const an::ExtractTexts texts = typedExtracts(layout);
    for (auto _ : state) {
        const an::AnalysedPeriodOutcome outcome =
            an::computeAnalysedPeriod(layout, texts, "25", orvan::NumberFormat{});
        std::vector<std::string> lines =
            an::writeAnalysedPeriodReport(layout, outcome.values.result, orvan::NumberFormat{});
        benchmark::DoNotOptimize(lines);
    }
}

void BM_AnalysedFiveBySix(benchmark::State& state) {
    runAndReport(state, an::fiveBySixLayout());
}
void BM_AnalysedTenByThree(benchmark::State& state) {
    runAndReport(state, an::tenByThreeLayout());
}

}  // namespace

BENCHMARK(BM_AnalysedFiveBySix)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalysedTenByThree)->Unit(benchmark::kMicrosecond);
