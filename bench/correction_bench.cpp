// Both correction reports built through the core from their field texts: conversion,
// arithmetic and the report lines, as one OK press does before the window is created.
#include <benchmark/benchmark.h>

#include "correction/calc/CorrectionCalc.h"

namespace {

using orvan::FieldTexts;

void BM_CorrectionStrengthReport(benchmark::State& state) {
    const FieldTexts texts{{"edRb1", "30"},   {"edC_V1", "2.0"}, {"edRb2", "20"},
                           {"edC_V2", "1.6"}, {"edRtr", "25"},   {"edV", "180"}};
    for (auto _ : state) {
        auto outcome = orvan::correction::runStrengthCorrection(texts, orvan::NumberFormat{});
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CorrectionStrengthReport);

void BM_CorrectionAggregateReport(benchmark::State& state) {
    const FieldTexts texts{{"edP", "600"}, {"edSC", "1200"},  {"edVoda", "180"}, {"edWp", "5"},
                           {"edWsc", "2"}, {"edXp_sc", "10"}, {"edYsc_p", "5"}};
    for (auto _ : state) {
        auto outcome = orvan::correction::runAggregateCorrection(texts, orvan::NumberFormat{});
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CorrectionAggregateReport);

// The failing path: a conversion fault thrown and turned into its message.
void BM_CorrectionStrengthFault(benchmark::State& state) {
    const FieldTexts texts{{"edRb1", "30"},   {"edC_V1", "2.0"}, {"edRb2", "x"},
                           {"edC_V2", "1.6"}, {"edRtr", "25"},   {"edV", "180"}};
    for (auto _ : state) {
        auto outcome = orvan::correction::runStrengthCorrection(texts, orvan::NumberFormat{});
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CorrectionStrengthFault);

}  // namespace
