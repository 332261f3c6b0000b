#include "strength_control/calc/AnalysedPeriod.h"

#include "common/Checked.h"
#include "common/Fault.h"
#include "common/NumberText.h"
#include "common/ReportLanguage.h"

namespace orvan::analysed {

namespace ck = orvan::checked;

namespace {

AnalysedPeriodLayout makeFiveBySix() {
    AnalysedPeriodLayout layout;
    layout.partyCount = 5;
    layout.extractCount = 6;
    layout.rangeDivisor = 2.5;
    layout.rangeFactor = 2.534;
    layout.warningFactor = 0.316;
    layout.correctingFactor = 0.498;
    layout.dialogName = "fmPeriod_analiz2_5";
    layout.otherExtractUnit = kMixedScriptUnit;
    layout.valueTail = "";
    layout.fourthVariationPrefix = "Fourth party: ";
    return layout;
}

AnalysedPeriodLayout makeTenByThree() {
    AnalysedPeriodLayout layout;
    layout.partyCount = 10;
    layout.extractCount = 3;
    layout.rangeDivisor = 1.69;
    layout.rangeFactor = 1.693;
    layout.warningFactor = 0.668;
    layout.correctingFactor = 1.054;
    layout.dialogName = "fmPeriod_analiz2_15";
    layout.otherExtractUnit = kLatinUnit;
    layout.valueTail = kLatinUnit;
    // "Fouth" misspelt on purpose: the 10x3 report line as the users know it.
    layout.fourthVariationPrefix = "Fouth party: ";
    return layout;
}

struct PartyStatistics {
    double mean = 0, deviation = 0, variation = 0;
};

// One party: mean of the extracts in extract order, range from a running max and min seeded
// with the first extract, S = range / alpha, V = S / mean * 100 (a zero mean is a fault).
PartyStatistics partyStatistics(const AnalysedPeriodLayout& layout, const std::vector<double>& r) {
    double sum = 0;
    for (double value : r) sum = ck::add(sum, value);
    PartyStatistics party;
    party.mean = ck::div(sum, layout.extractCount);
    double max = r.front(), min = r.front();
    for (std::size_t j = 1; j < r.size(); ++j) {
        if (r[j] > max) max = r[j];
        if (r[j] < min) min = r[j];
    }
    party.deviation = ck::div(ck::sub(max, min), layout.rangeDivisor);
    party.variation = ck::mul(ck::div(party.deviation, party.mean), 100.0);
    return party;
}

// Steps 2 to 6 of the run, once every party is in `result` and B is known.
void periodStatistics(const AnalysedPeriodLayout& layout, double b, AnalysedPeriodResult& result) {
    const double vm = result.overallVariation;
    // Strength coefficient, a quadratic in the overall coefficient of variation in percent.
    const double kt =
        ck::add(ck::sub(ck::mul(0.0036, ck::mul(vm, vm)), ck::mul(0.0221, vm)), 1.0969);
    result.averageLevel = ck::mul(kt, b);
    double sumDeviation = 0;
    for (double s : result.partyDeviation) sumDeviation = ck::add(sumDeviation, s);
    const double meanRange = ck::mul(ck::div(sumDeviation, layout.partyCount), layout.rangeFactor);
    const double warning = ck::mul(layout.warningFactor, meanRange);
    const double correcting = ck::mul(layout.correctingFactor, meanRange);
    result.warningTop = ck::add(result.averageLevel, warning);
    result.warningBottom = ck::sub(result.averageLevel, warning);
    result.correctingTop = ck::add(result.averageLevel, correcting);
    result.correctingBottom = ck::sub(result.averageLevel, correcting);
}

// The texts as a full N x n table; a text that was not given is an empty field.
ExtractTexts fullTable(const AnalysedPeriodLayout& layout, const ExtractTexts& extracts) {
    ExtractTexts table(layout.partyCount, std::vector<std::string>(layout.extractCount));
    for (std::size_t i = 0; i < table.size() && i < extracts.size(); ++i)
        for (std::size_t j = 0; j < table[i].size() && j < extracts[i].size(); ++j)
            table[i][j] = extracts[i][j];
    return table;
}

}  // namespace

const AnalysedPeriodLayout& fiveBySixLayout() {
    static const AnalysedPeriodLayout layout = makeFiveBySix();
    return layout;
}

const AnalysedPeriodLayout& tenByThreeLayout() {
    static const AnalysedPeriodLayout layout = makeTenByThree();
    return layout;
}

const AnalysedPeriodLayout& layoutForItem(int itemIndex) {
    return itemIndex == 0 ? fiveBySixLayout() : tenByThreeLayout();
}

AnalysedPeriodOutcome computeAnalysedPeriod(const AnalysedPeriodLayout& layout,
                                            const ExtractTexts& extracts, const std::string& bText,
                                            NumberFormat format) {
    AnalysedPeriodOutcome outcome;
    AnalysedPeriodRun& run = outcome.values;
    AnalysedPeriodResult& result = run.result;
    result.extractText = fullTable(layout, extracts);
    std::string field;  // the field being converted, for the failure's description
    try {
        std::vector<double> r(layout.extractCount);
        for (int i = 0; i < layout.partyCount; ++i) {
            run.partiesRead = i + 1;
            for (int j = 0; j < layout.extractCount; ++j) {
                field = extractFieldName(i + 1, j + 1);
                r[j] = textToFloat(result.extractText[i][j], format);
            }
            field.clear();
            const PartyStatistics party = partyStatistics(layout, r);
            result.partyMean.push_back(party.mean);
            result.partyDeviation.push_back(party.deviation);
            result.partyVariation.push_back(party.variation);
        }
        double weighted = 0;  // V(i) weighted by the extracts of its party
        for (double v : result.partyVariation)
            weighted = ck::add(weighted, ck::mul(v, layout.extractCount));
        result.overallVariation = ck::div(weighted, layout.variationDivisor);
        field = "edB";
        const double b = textToFloat(bText, format);
        field.clear();
        periodStatistics(layout, b, result);
        outcome.kind = OutcomeKind::Done;
    } catch (const Fault& fault) {
        outcome.message = reportText(kDataError);
        outcome.style = MessageStyle::Message;
        run.cause = fault.what();
        run.failedField = field;
        // A party's values are kept only once all of them are computed.
        if (result.partyVariation.size() < static_cast<std::size_t>(run.partiesRead))
            run.failedParty = run.partiesRead;
    }
    return outcome;
}

std::string analysedReportTitle(int windowNumber) {
    return reportText("Statistical control. Analyzed period. Window \xE2\x84\x96") +
           std::to_string(windowNumber);
}

}  // namespace orvan::analysed
