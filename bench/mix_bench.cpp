// The proportioning run as "New mixture..." does it, with every in-run dialog answered OK at
// once: the calculation and the report lines, from field texts to lines.
#include <benchmark/benchmark.h>

#include "mixdesign/calc/MixRun.h"
#include "mixdesign/calc/OptionsFile.h"

using namespace orvan;
using namespace orvan::mix;

namespace {

// Answers without building anything, so that the run itself is measured.
class ReadyAnswers : public MixRunDialogs {
public:
    DialogAnswer frostPage(const MixState&) override { return FieldTexts{}; }
    DialogAnswer waterTightnessPage(const MixState&) override { return FieldTexts{}; }
    DialogAnswer steamCuring(const MixState&) override { return FieldTexts{}; }
    DialogAnswer economyChoice(const MixState&) override { return economy; }
    DialogAnswer techniquePage(Technique, const FieldTexts&, const MixState&) override {
        return FieldTexts{};
    }
    FieldTexts economy{{"rgEconomy", "2"}};
};

using RunFunction = MixOutcome (*)(const FieldTexts&, const ProportioningOptions&, MixRunDialogs&,
                                   orvan::NumberFormat);

void runWith(benchmark::State& state, const ProportioningOptions& options, RunFunction run) {
    const FieldTexts mixInputs;  // every field at its default
    ReadyAnswers dialogs;
    for (auto _ : state) {
        MixOutcome outcome = run(mixInputs, options, dialogs, orvan::NumberFormat{});
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}

ProportioningOptions everyOption() {
    ProportioningOptions options;
    options.frostResistance = options.waterTightness = options.steaming = options.cementSaving =
        kYes;
    return options;
}

// The calculation from field texts to values.
void BM_MixValuesDefaults(benchmark::State& state) {
    runWith(state, ProportioningOptions{}, runProportioningValues);
}
BENCHMARK(BM_MixValuesDefaults);
void BM_MixValuesEveryOption(benchmark::State& state) {
    runWith(state, everyOption(), runProportioningValues);
}
BENCHMARK(BM_MixValuesEveryOption);

// The whole run as "New mixture..." does it: values and report lines.
void BM_MixReportDefaults(benchmark::State& state) {
    runWith(state, ProportioningOptions{}, runProportioning);
}
BENCHMARK(BM_MixReportDefaults);
void BM_MixReportEveryOption(benchmark::State& state) {
    runWith(state, everyOption(), runProportioning);
}
BENCHMARK(BM_MixReportEveryOption);

}  // namespace
