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

#include "kit/AppContext.h"
#include "journal/JournalCsv.h"
#include "journal/JournalExchange.h"
#include "journal/JournalPeriods.h"
#include "journal/ui/PartyTableModel.h"
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

}  // namespace

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
        const auto analysis =
            jrn::analyseFromJournal(journal, journal.findMix("M").values->id,
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
