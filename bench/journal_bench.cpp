// The strength journal at the size of a plant's years: 100,000 parties of 6 extracts
// (600,000 extracts) in SQLite. Importing them, the analysed period from the latest parties,
// the chart of 1,000 controlled parties drawn in the chart window, and the parties table
// opened and scrolled to its end a page at a time (longest step reported).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "journal/JournalCsv.h"
#include "journal/JournalExchange.h"
#include "journal/JournalLoop.h"
#include "journal/JournalPeriods.h"
#include "journal/ui/PartyTableModel.h"
#include "kit/AppContext.h"
#include "strength_control/ControlChartWindow.h"
#include "strength_control/ControlledPeriodInputs.h"

namespace jrn = orvan::journal;

namespace {

// `parties` parties of mix M, one a day from 1900 on, with six extracts each.
std::string journalCsv(int parties, int firstNumber = 1, int firstDay = 0) {
    std::string out = std::string(jrn::kCsvHeader) + "\n";
    out.reserve(static_cast<std::size_t>(parties) * 6 * 32);
    char line[96];
    for (int i = 0; i < parties; ++i) {
        const int day = firstDay + i;  // a calendar of 12 months of 28 days keeps every date real
        const int year = 1900 + day / (12 * 28), month = day / 28 % 12 + 1, dom = day % 28 + 1;
        for (int j = 1; j <= 6; ++j) {
            std::snprintf(line, sizeof line, "%04d-%02d-%02d,M,%d,%d,%d.%d\n", year, month, dom,
                          firstNumber + i, j, 20 + (i + j) % 11, j);
            out += line;
        }
    }
    return out;
}

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

std::unique_ptr<jrn::Journal> freshJournal(const QString& name) {
    const QString path = folder().filePath(name);
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(path + suffix);
    return std::move(jrn::Journal::open(path).values);
}

// The big journal, made once: 100,000 parties, then an analysed period stored over the
// parties before the last 1,000.
jrn::Journal& bigJournal() {
    static std::unique_ptr<jrn::Journal> journal = [] {
        auto j = freshJournal("big.sqlite");
        (void)jrn::importCsv(*j, journalCsv(100000), "big.csv");
        const jrn::Party lastAnalysed = *j->party(100000 - 1000).values;
        (void)jrn::saveAnalysedPeriod(
            *j, jrn::analyseFromJournal(*j, lastAnalysed.mixId, *jrn::layoutByName("5x6"), "25",
                                        lastAnalysed.date, orvan::NumberFormat{}));
        return j;
    }();
    return *journal;
}

// 100,000 parties of mix E, each with three 7-day and three 28-day results, but the last
// 1,000 with their 7-day results only (their 28-day ones are not due yet).
jrn::Journal& agedJournal() {
    static std::unique_ptr<jrn::Journal> journal = [] {
        auto j = freshJournal("aged.sqlite");
        std::string csv = std::string(jrn::kCsvHeader) + ",age\n";
        csv.reserve(100000 * 6 * 34);
        char line[96];
        for (int i = 0; i < 100000; ++i) {
            const int year = 1900 + i / (12 * 28), month = i / 28 % 12 + 1, dom = i % 28 + 1;
            for (int age : {7, 28}) {
                if (age == 28 && i >= 99000) continue;
                for (int e = 1; e <= 3; ++e) {
                    const int strength = (age == 7 ? 20 : 29) + (i * 7 + e) % 9;
                    std::snprintf(line, sizeof line, "%04d-%02d-%02d,E,%d,%d,%d.%d,%d\n", year,
                                  month, dom, i + 1, e, strength, (i + e) % 10, age);
                    csv += line;
                }
            }
        }
        (void)jrn::importCsv(*j, csv, "aged.csv");
        return j;
    }();
    return *journal;
}

}  // namespace

// The early-age relation over 99,000 parties of the journal and the prediction of the last
// 1,000: read from the journal and computed, with the report lines.
static void BM_JournalPrediction100kParties(benchmark::State& state) {
    jrn::Journal& journal = agedJournal();
    const long long mixId = journal.findMix("E").values->id;
    for (auto _ : state) {
        const auto series =
            jrn::earlyAgeSeries(journal, mixId, 7, {}, jrn::SeriesNames::waitingOnly);
        const auto prediction = orvan::control::predictStrengths(series.values, {});
        if (!prediction.ok() || prediction.values.predicted.size() != 1000)
            state.SkipWithError("no prediction of 1,000 parties");
    }
}
BENCHMARK(BM_JournalPrediction100kParties)->Unit(benchmark::kMillisecond);

// The reading alone (one row a party from the means the database keeps): what the prediction
// and the CUSUM above spend in the journal rather than in the calculation.
static void BM_JournalEarlySeries100kParties(benchmark::State& state) {
    jrn::Journal& journal = agedJournal();
    const long long mixId = journal.findMix("E").values->id;
    for (auto _ : state) benchmark::DoNotOptimize(jrn::earlyAgeSeries(journal, mixId, 7));
}
BENCHMARK(BM_JournalEarlySeries100kParties)->Unit(benchmark::kMillisecond);

// The CUSUM of the journal's 100,000 parties, the last 1,000 on their predicted strength.
static void BM_JournalCusum100kParties(benchmark::State& state) {
    jrn::Journal& journal = agedJournal();
    const long long mixId = journal.findMix("E").values->id;
    jrn::CusumRequest request;
    request.target = 33, request.sigma = 1.5, request.predicted = true;
    for (auto _ : state) {
        const auto inputs = jrn::cusumInputs(journal, mixId, request);
        const auto cusum = orvan::control::runSeriesCusum(inputs.values, {});
        if (!cusum.ok()) state.SkipWithError("no CUSUM");
    }
}
BENCHMARK(BM_JournalCusum100kParties)->Unit(benchmark::kMillisecond);

static void BM_JournalImport100kParties(benchmark::State& state) {
    const std::string csv = journalCsv(100000);
    for (auto _ : state) {
        state.PauseTiming();
        auto journal = freshJournal("import.sqlite");
        state.ResumeTiming();
        const jrn::ImportOutcome outcome = jrn::importCsv(*journal, csv, "big.csv");
        if (!outcome.ok()) state.SkipWithError("import failed");
    }
    state.SetItemsProcessed(state.iterations() * 600000);
}
BENCHMARK(BM_JournalImport100kParties)->Unit(benchmark::kMillisecond)->Iterations(1);

static void BM_JournalAnalysedPeriod(benchmark::State& state) {
    jrn::Journal& journal = bigJournal();
    for (auto _ : state) {
        const auto analysis = jrn::analyseFromJournal(journal, journal.findMix("M").values->id,
                                                      *jrn::layoutByName("5x6"), "25", "2150-01-01",
                                                      orvan::NumberFormat{});
        if (!analysis.ok()) state.SkipWithError(analysis.message.c_str());
    }
}
BENCHMARK(BM_JournalAnalysedPeriod)->Unit(benchmark::kMillisecond);

// From the journal to the chart window drawn: the controlled parties read, the chart built
// and the window painted.
static void BM_JournalChart1000Parties(benchmark::State& state) {
    jrn::Journal& journal = bigJournal();
    const long long mixId = journal.findMix("M").values->id;
    AppContext app;
    const ControlledPeriodInputs inputs;
    ControlChartWindow window(app, inputs);
    window.resize(797, 429);
    for (auto _ : state) {
        const jrn::ControlledPeriod period = jrn::controlledPeriod(journal, mixId).values;
        if (period.batchMeans.size() != 1000) state.SkipWithError("not 1,000 controlled parties");
        window.setGivenChart(jrn::chartFromJournal(period));
        window.drawChart();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_JournalChart1000Parties)->Unit(benchmark::kMillisecond);

// The table of 100,000 parties opened, then fetched a page of rows at a time to its end as a
// view scrolling does; the longest single step is the longest pause a user would see.
static void BM_JournalTableOpenAndScroll(benchmark::State& state) {
    jrn::Journal& journal = bigJournal();
    const long long mixId = journal.findMix("M").values->id;
    double longest = 0;
    for (auto _ : state) {
        PartyTableModel model;
        QElapsedTimer step;
        step.start();
        model.show(&journal, mixId, {}, {});
        longest = std::max(longest, step.nsecsElapsed() / 1e6);
        while (model.canFetchMore()) {
            step.restart();
            model.fetchMore();
            benchmark::DoNotOptimize(model.data(model.index(model.rowCount() - 1, 3)));
            longest = std::max(longest, step.nsecsElapsed() / 1e6);
        }
        state.counters["rows"] = model.rowCount();
    }
    state.counters["longest_freeze_ms"] = longest;
}
BENCHMARK(BM_JournalTableOpenAndScroll)->Unit(benchmark::kMillisecond)->Iterations(1);
