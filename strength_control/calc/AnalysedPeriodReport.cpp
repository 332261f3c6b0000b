// The analysed-period report: the input as typed, the party statistics, the overall
// coefficient of variation, the average level of strength and the four limits.
#include <array>

#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "strength_control/calc/AnalysedPeriod.h"

namespace orvan::analysed {

namespace {

constexpr std::array<const char*, 10> kPartyHeading = {
    "Strength in first party:",   "Strength in second party:", "Strength in third party:",
    "Strength in fourth party:",  "Strength in fifth party:",  "Strength in sixth party:",
    "Strength in seventh party:", "Strength in eigth party:",  "Strength in ninth party:",
    "Strength in tenth party:"};

constexpr std::array<const char*, 10> kPartyPrefix = {
    "First party: ", "Second party: ",  "Third party: ", "Fourth party: ", "Fifth party: ",
    "Sixth party: ", "Seventh party: ", "Eigth party: ", "Ninth party: ",  "Tenth party: "};

constexpr std::array<const char*, 6> kExtractPrefix = {"First extract - ", "Second extract - ",
                                                       "Third extract - ", "Fourth extract - ",
                                                       "Fifth extract - ", "Sixth extract - "};

using Lines = std::vector<std::string>;

void addInitialData(const AnalysedPeriodLayout& layout, const AnalysedPeriodResult& result,
                    Lines& lines) {
    lines.push_back("");
    lines.push_back(reportText("1. INITIAL DATA FOR STATISTICAL CONTROL"));
    lines.push_back("");
    lines.push_back(reportText("The duration of the analyzed period is %1 parties of concrete.",
                               {std::to_string(layout.partyCount)}));
    lines.push_back(reportText("In each batch the concrete strength is determined in %1 extracts.",
                               {std::to_string(layout.extractCount)}));
    for (int i = 0; i < layout.partyCount; ++i) {
        lines.push_back(reportText(kPartyHeading[i]));
        for (int j = 0; j < layout.extractCount; ++j) {
            // Only the very first extract line carries the unit in Latin letters.
            const std::string& unit =
                (i == 0 && j == 0) ? std::string(kLatinUnit) : layout.otherExtractUnit;
            lines.push_back(reportText(kExtractPrefix[j]) + result.extractText[i][j] +
                            reportText(unit));
        }
    }
}

// A heading and one line per party: its prefix and the value with `decimals` places.
void addPartyValues(const AnalysedPeriodLayout& layout, const std::string& heading,
                    const std::vector<double>& values, int decimals, bool variationLines,
                    Lines& lines, NumberFormat format) {
    lines.push_back("");
    lines.push_back(reportText(heading));
    for (int i = 0; i < layout.partyCount; ++i) {
        const std::string prefix =
            reportText((variationLines && i == 3) ? layout.fourthVariationPrefix : kPartyPrefix[i]);
        lines.push_back(prefix + formatFixed(values[i], decimals, format));
    }
}

void addResults(const AnalysedPeriodLayout& layout, const AnalysedPeriodResult& result,
                Lines& lines, NumberFormat format) {
    lines.push_back("");
    lines.push_back(reportText("2. RESULTS OF THE ANALYZED PERIOD"));
    lines.push_back("");
    lines.push_back(
        reportText(std::string("Average strength in parties,") + kMixedScriptUnit + ":"));
    for (int i = 0; i < layout.partyCount; ++i)
        lines.push_back(reportText(kPartyPrefix[i]) + formatFixed(result.partyMean[i], 1, format));
    addPartyValues(layout, "Standard deviations in the parties:", result.partyDeviation, 2, false,
                   lines, format);
    addPartyValues(layout, "Coefficient of variation in the parties:", result.partyVariation, 2,
                   true, lines, format);
    const std::string tail = reportText(layout.valueTail);
    lines.push_back("");
    lines.push_back(reportText("Overall coefficient of variation: ") +
                    formatFixed(result.overallVariation, 2, format));
    lines.push_back("");
    lines.push_back(reportText("Average level of strength, MPa: ") +
                    formatFixed(result.averageLevel, 1, format) + tail);
    lines.push_back("");
    lines.push_back(reportText("Top limit of warning, MPa: ") +
                    formatFixed(result.warningTop, 1, format) + tail);
    lines.push_back(reportText("Bottom limit of warning, MPa: ") +
                    formatFixed(result.warningBottom, 1, format) + tail);
    lines.push_back("");
    lines.push_back(reportText("Top limit of correcting, MPa: ") +
                    formatFixed(result.correctingTop, 1, format) + tail);
    lines.push_back(reportText("Bottom limit of correcting, MPa: ") +
                    formatFixed(result.correctingBottom, 1, format) + tail);
}

}  // namespace

std::vector<std::string> writeAnalysedPeriodReport(const AnalysedPeriodLayout& layout,
                                                   const AnalysedPeriodResult& result,
                                                   NumberFormat format) {
    Lines lines;
    const auto parties = static_cast<std::size_t>(layout.partyCount);
    if (result.partyMean.size() != parties || result.partyDeviation.size() != parties ||
        result.partyVariation.size() != parties || result.extractText.size() != parties)
        return lines;  // not the result of a completed run of this layout
    lines.reserve(static_cast<std::size_t>(23 + layout.partyCount * (layout.extractCount + 4)));
    addInitialData(layout, result, lines);
    addResults(layout, result, lines, format);
    return lines;
}

}  // namespace orvan::analysed
