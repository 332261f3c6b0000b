// A year and more of one mix's parties through the core: the early-age relation with every
// prediction and its report, the CUSUM of the series with its report, and the correction over
// the parties of three designs.
#include <benchmark/benchmark.h>

#include "correction/calc/DesignCorrection.h"
#include "strength_control/calc/EarlyAge.h"
#include "strength_control/calc/SeriesCusum.h"

namespace {

using namespace orvan;

constexpr std::size_t kParties = 100000;

// Strengths scattered about 30 MPa (28-day) and 20 MPa (7-day) without a random generator, so
// that every run sees the same parties.
double scatter(std::size_t i) {
    return static_cast<double>((i * 7919) % 101) / 20.0 - 2.5;
}

// `tested` parties with both results, then `waiting` with their 7-day result only.
std::vector<control::EarlyAgeParty> parties(std::size_t tested, std::size_t waiting) {
    std::vector<control::EarlyAgeParty> out(tested + waiting);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i].party = std::to_string(i + 1);
        out[i].date = "2026-01-01";
        out[i].early = 20 + scatter(i);
        if (i < tested) out[i].strength28 = 30 + 1.2 * scatter(i) + scatter(i * 31) / 4;
    }
    return out;
}

void BM_EarlyAgeRelation(benchmark::State& state) {
    const control::EarlyAgeInputs in{7, parties(kParties, 0)};
    for (auto _ : state) benchmark::DoNotOptimize(control::predictStrengths(in, {}));
}
BENCHMARK(BM_EarlyAgeRelation)->Unit(benchmark::kMillisecond);

// The relation over 100,000 parties and a prediction, with its report line, for 100,000 more.
void BM_EarlyAgePredictions(benchmark::State& state) {
    const control::EarlyAgeInputs in{7, parties(kParties, kParties)};
    for (auto _ : state) benchmark::DoNotOptimize(control::predictStrengths(in, {}));
}
BENCHMARK(BM_EarlyAgePredictions)->Unit(benchmark::kMillisecond);

control::SeriesCusumInputs series() {
    control::SeriesCusumInputs in{30, 2.5, 0.5, 5, {}};
    in.parties.reserve(kParties);
    for (std::size_t i = 0; i < kParties; ++i)
        in.parties.push_back({std::to_string(i + 1), "2026-01-01", 30 + scatter(i), i % 10 == 0,
                              i % 10 == 0 ? "2026-01-29" : "", ""});
    return in;
}

// The CUSUM alone over the same strengths: what the series adds is the difference.
void BM_SeriesCusumPlain(benchmark::State& state) {
    const control::SeriesCusumInputs s = series();
    control::CusumInputs in{s.target, s.sigma, s.k, s.h, {}};
    for (const auto& p : s.parties) in.strengths.push_back(p.strength);
    for (auto _ : state) benchmark::DoNotOptimize(control::runCusum(in, {}));
}
BENCHMARK(BM_SeriesCusumPlain)->Unit(benchmark::kMillisecond);

void BM_SeriesCusum(benchmark::State& state) {
    const control::SeriesCusumInputs in = series();
    for (auto _ : state) benchmark::DoNotOptimize(control::runSeriesCusum(in, {}));
}
BENCHMARK(BM_SeriesCusum)->Unit(benchmark::kMillisecond);

void BM_DesignCorrectionLine(benchmark::State& state) {
    correction::DesignCorrectionInputs in{{}, 30};
    for (int d = 0; d < 3; ++d) {
        correction::DesignSample s{
            std::string("D").append(std::to_string(d)), 1.6 + 0.2 * d, 180, {}, 0, 0};
        for (std::size_t i = 0; i < kParties / 3; ++i)
            s.strengths.push_back(25 + 5 * d + scatter(i));
        in.designs.push_back(std::move(s));
    }
    for (auto _ : state) benchmark::DoNotOptimize(correction::correctFromDesigns(in, {}));
}
BENCHMARK(BM_DesignCorrectionLine)->Unit(benchmark::kMillisecond);

}  // namespace
