#pragma once
// The analysed period from the journal (the latest parties of a mix with the layout's count
// of extracts, dated on or before a day) and the controlled period after it (every later
// party, one batch point each), fed to the same core calculations as the dialogs.
#include <optional>
#include <string>
#include <vector>

#include "journal/Journal.h"
#include "strength_control/calc/AnalysedPeriod.h"
#include "strength_control/calc/Conformity.h"
#include "strength_control/calc/ControlChart.h"
#include "strength_control/calc/PeriodParties.h"

namespace orvan::journal {

enum class AnalysisEnd {
    Done,
    NoMix,          // no such mix
    NoClass,        // no class B given and none stored with the mix
    TooFewParties,  // fewer parties than the layout needs: nothing is published
    DataError,      // the core's "Data error"
    ReadFailed,     // the journal could not be read
};

// What an analysis from the journal found and computed.
struct JournalPeriodValues {
    AnalysisEnd end = AnalysisEnd::Done;
    long long mixId = 0;
    std::string mixName;
    const analysed::AnalysedPeriodLayout* layout = nullptr;
    std::string classText;
    std::string untilDate;       // "" for no limit
    std::vector<Party> parties;  // oldest first: party 1 of the report is the earliest
    // The parties among and after those used (up to the day) that lack the layout's extracts.
    std::vector<analysed::PartySource> skipped;
    analysed::AnalysedPeriodRun run;  // the statistics, or where they stopped
};

// Not Done: `message` is what the program shows, in a plain message box. No mix, a read that
// failed and a data error fail; no class and too few parties are refused.
using JournalAnalysis = Outcome<JournalPeriodValues>;

// "5x6" or "10x3" to its layout; nullptr for any other text.
const analysed::AnalysedPeriodLayout* layoutByName(const std::string& name);
std::string layoutName(const analysed::AnalysedPeriodLayout& layout);

// `classText` empty: the mix's stored class. `untilDate` empty: every party. `format` reads the
// class as typed (the stored strengths are written with a point).
JournalAnalysis analyseFromJournal(const Journal& journal, long long mixId,
                                   const analysed::AnalysedPeriodLayout& layout,
                                   const std::string& classText, const std::string& untilDate,
                                   NumberFormat format);
// The parties used and skipped, as the report's lines before the analysed period's own.
analysed::PeriodSources periodSources(const JournalAnalysis& analysis);
// Stores a completed analysis as the mix's latest analysed period (and its class and layout
// as the mix's own).
Outcome<> saveAnalysedPeriod(Journal& journal, const JournalAnalysis& analysis);

struct StoredPeriod {
    long long id = 0;
    std::string layoutName, classText, untilDate, lastPartyDate, savedAt;
    double overallVariation = 0, averageLevel = 0;
    double warningTop = 0, warningBottom = 0, correctingTop = 0, correctingBottom = 0;
};
Outcome<std::optional<StoredPeriod>> latestAnalysedPeriod(const Journal& journal, long long mixId);

// The five figures as the controlled-period dialog's field texts (edRy, edRpr1, edRpr2,
// edRcor1, edRcor2), as the analysed-period report shows them (its decimals).
FieldTexts controlFieldTexts(const StoredPeriod& period);
// The same, each reading back to the stored double exactly (what the chart is drawn from).
FieldTexts exactControlFieldTexts(const StoredPeriod& period);

struct ControlledPeriod {
    std::optional<StoredPeriod> period;  // empty: the mix has no stored analysed period
    std::vector<std::string> partyNumbers;
    std::vector<std::string> partyDates;
    std::vector<double> batchMeans;  // MPa, the mean of each party's extracts, by date
    // By party: its strength is the one predicted from its early result (JournalLoop.h);
    // empty when none is.
    std::vector<bool> predicted;
};
Outcome<ControlledPeriod> controlledPeriod(const Journal& journal, long long mixId);

// What a conformity check of a period takes from the journal, read once: one result per party
// of the mix dated from `from` to `to` (ISO dates, inclusive; empty: no bound), the mean of its
// extracts, MPa, by date (one a line, round trip); and every party mean up to `to` with its
// date, from which a blank s of continuous production is estimated.
Outcome<control::JournalConformity> conformityFromJournal(const Journal& journal, long long mixId,
                                                          const std::string& from,
                                                          const std::string& to);

// Every party of the mix dated on or after `from` ("" for every party), by date, with the mean
// of its extracts: the series a CUSUM from the journal runs on.
struct PartySeries {
    std::vector<std::string> numbers, dates;
    std::vector<double> means;  // MPa
};
Outcome<PartySeries> partySeries(const Journal& journal, long long mixId, const std::string& from);

// The chart of a controlled period: one batch per party, no prompts, no limit of ten.
// `mix`: the mix's name, for the chart's page.
control::ChartOutcome chartFromJournal(const ControlledPeriod& period, const std::string& mix = {});

}  // namespace orvan::journal
