#pragma once
// The analysed period of the statistical strength control: from the strengths measured in
// the extracts of each party, the party means, standard deviations (estimated from the party
// range) and coefficients of variation, then the overall coefficient of variation, the
// average level of strength and the warning and correcting limits around it.
//
// Two sampling layouts run the same steps with their own constants: 5 parties of 6 extracts
// and 10 parties of 3 extracts.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/Form.h"
#include "common/NumberText.h"
#include "common/Outcome.h"

namespace orvan::analysed {

// " МPа": blank, Cyrillic capital Em, Latin capital P, Cyrillic small a (UTF-8; the bytes
// 20 CC 50 E0 in Windows-1251). It looks like " MPa" on screen but is another text.
inline constexpr const char* kMixedScriptUnit = " \xD0\x9CP\xD0\xB0";
inline constexpr const char* kLatinUnit = " MPa";

// The constants of one sampling layout, and the few texts in which the two reports differ.
struct AnalysedPeriodLayout {
    int partyCount = 0;            // N
    int extractCount = 0;          // n, extracts per party
    double rangeDivisor = 0;       // alpha: party standard deviation = party range / alpha
    double rangeFactor = 0;        // d (control-chart factor d2 for n): mean range = mean S * d
    double warningFactor = 0;      // kw = 1.96 / (d * sqrt(n)), to three decimals
    double correctingFactor = 0;   // kc = 3.09 / (d * sqrt(n)), to three decimals
    double variationDivisor = 30;  // the total number of extracts of the period
    std::string dialogName;        // the input dialog's component name
    std::string otherExtractUnit;  // unit text of every extract line but the very first
    std::string valueTail;         // after the average level and the four limits
    std::string fourthVariationPrefix;  // the coefficient-of-variation line of party 4
};

const AnalysedPeriodLayout& fiveBySixLayout();   // 5 parties of 6 extracts
const AnalysedPeriodLayout& tenByThreeLayout();  // 10 parties of 3 extracts
// The layout chosen by the item index of rgCount_Party: 0 is 5x6, any other index 10x3.
const AnalysedPeriodLayout& layoutForItem(int itemIndex);

// Extract texts as typed, party by party: texts[i][j] is extract j of party i (0-based).
using ExtractTexts = std::vector<std::vector<std::string>>;

// The results of a completed run.
struct AnalysedPeriodResult {
    std::vector<double> partyMean;                   // Rm(i), MPa
    std::vector<double> partyDeviation;              // S(i), MPa
    std::vector<double> partyVariation;              // V(i), %
    double overallVariation = 0;                     // Vm, %
    double averageLevel = 0;                         // Ry, MPa
    double warningTop = 0, warningBottom = 0;        // MPa
    double correctingTop = 0, correctingBottom = 0;  // MPa
    ExtractTexts extractText;                        // as entered, for the report
};

inline constexpr const char* kDataError = "Data error";

// What a run computed, and where it stopped when it failed. The parties are read one after
// another; `partiesRead` says how many were taken up (the dialog makes each one's tab current
// in turn, so the last of them is the tab that stays current): the failing party when a field
// or a party's arithmetic failed, every party otherwise. `edB` is read after all parties.
struct AnalysedPeriodRun {
    AnalysedPeriodResult result;
    std::string cause;        // the fault behind a failure: the runtime's message
    std::string failedField;  // the component name of the field that failed to convert, or ""
    int failedParty = 0;      // 1-based party whose field or arithmetic failed; 0: none did
    int partiesRead = 0;
};

// Failed: `message` is "Data error", shown in a plain message box. The report lines are
// written by writeAnalysedPeriodReport, which needs the layout.
using AnalysedPeriodOutcome = Outcome<AnalysedPeriodRun>;

// The whole statistics run over the field texts; never throws. `extracts` must hold
// partyCount rows of extractCount texts (a missing text counts as an empty field).
AnalysedPeriodOutcome computeAnalysedPeriod(const AnalysedPeriodLayout& layout,
                                            const ExtractTexts& extracts, const std::string& bText,
                                            NumberFormat format);

// The report lines of a completed run: 73 lines for 5x6, 93 for 10x3.
std::vector<std::string> writeAnalysedPeriodReport(const AnalysedPeriodLayout& layout,
                                                   const AnalysedPeriodResult& result,
                                                   NumberFormat format);
// "Statistical control. Analyzed period. Window №" n
std::string analysedReportTitle(int windowNumber);

// Dialog texts.
std::string extractFieldName(int party, int extract);  // 1-based: edR3_2
std::string partyTabName(int party);                   // 1-based: TabSheet3
std::string partyTabCaption(int party);                // 1-based: "3-rd party"
std::string extractCaption(int extract);  // 1-based: "Enter average strength in 2-nd extract, MPa"

// The set-up dialog fmPeriod_Analiz1: rgCount_Party (item index) and edB.
const Form& setupForm();
// The extract fields of one layout's input dialog, all empty at start.
const Form& extractForm(const AnalysedPeriodLayout& layout);
// Every extract field name of either layout, for the command-line tool, which takes the
// extracts by bare name for whichever layout rgCount_Party chooses.
const Form& anyLayoutExtractForm();

// A block of extract texts, one party per line (LF or CR LF), as in a file or on the
// clipboard. Texts are split at tabs and semicolons when the block holds any (commas may then
// be decimal commas), otherwise at commas; each text is kept exactly as written. Empty lines
// at the end are ignored.
struct ExtractBlock {
    bool ok = false;
    std::string error;  // why the block does not fit the layout, naming the line
    // The same in figures, for a translated message: the line that does not fit (1-based; 0
    // when the number of lines is wrong) and how many lines, or texts on that line, it found.
    std::size_t badLine = 0;
    std::size_t found = 0;
    ExtractTexts texts;
};
ExtractBlock parseExtractBlock(const AnalysedPeriodLayout& layout, const std::string& block);

}  // namespace orvan::analysed
