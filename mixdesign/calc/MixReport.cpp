#include "mixdesign/calc/MixReport.h"

#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "mixdesign/calc/FieldKeys.h"
#include "mixdesign/calc/MixForms.h"

namespace orvan::mix {

namespace {

const char* const kNoDecision =
    "There are not technological decisions for decreasing of cement content";

const char* const kAcceleratorLines[] = {
    "An accelerating admixtures are not used at the time of steam curing",
    "Natrium sulphate is used as an accelerator at he time of steam curing",
    "Calcium chloride is used as an accelerator at he time of steam curing",
    "Superplasticizer is used as an accelerator at he time of steam curing",
};
const char* const kCementTypeLines[] = {
    "Normal Portland Cement (Type 10) is used",
    "Portland-Blast-Furnace-Slag Cement (Type 10S) is used",
};

const std::string& mixInputText(const ReportTexts& t, const Field& field) {
    static const FieldTexts empty;
    return textOf(t.mixInputs ? *t.mixInputs : empty, field);
}

std::string cementLine(const std::string& text) {
    return reportText(std::string(kCyrillicEs) + "ompressive strength of cement, MPa: ") + text;
}

// The run checks the indices first; the clamp only keeps a bad index from reading past a table.
template <std::size_t N>
const char* pick(const char* const (&table)[N], int index) {
    constexpr int count = static_cast<int>(N);
    return table[index < 0 ? 0 : index >= count ? count - 1 : index];
}

void addConditions(std::vector<std::string>& lines, const ReportTexts& t,
                   const ProportioningOptions& options, const MixValues& v, NumberFormat format) {
    if (options.waterproof()) {
        lines.push_back(reportText("The value of watertightness is given"));
        lines.push_back(reportText("Water pressure, kPa: ") +
                        textOf(t.water, fieldKeys().waterPressure));
    }
    if (options.frost()) {
        lines.push_back(reportText("Resistance to freezing and thawing is given"));
        lines.push_back(reportText("Number of freeze-thaw cycles: ") +
                        textOf(t.frost, fieldKeys().frostCycles));
    }
    if (options.steamCuring()) {
        lines.push_back(reportText("Atmospheric steam curing is used"));
        lines.push_back(reportText("Steaming period, hours: ") +
                        textOf(t.steam, fieldKeys().steamingHours));
        lines.push_back(reportText("Period after steam curing, hours: ") +
                        textOf(t.steam, fieldKeys().afterSteamingHours));
        lines.push_back(reportText(pick(kAcceleratorLines, t.accelerator)));
        lines.push_back(reportText(pick(kCementTypeLines, t.cementType)));
        lines.push_back(
            reportText(
                "Compressive strength after steam curing, % of 28-day moist-cured strength: ") +
            formatFixed(v.steamCuredStrength.value_or(0), 0, format));
    }
    if (t.workabilityIndex == 0) {
        lines.push_back(reportText("The Slump of concrete mix (sm) is given"));
        lines.push_back(reportText("Value of workability: ") +
                        mixInputText(t, fieldKeys().workability) + reportText(" sm"));
    } else {
        lines.push_back(reportText("The Vebe of concrete mix (sec) is given"));
        lines.push_back(reportText("Value of workability: ") +
                        mixInputText(t, fieldKeys().workability) + reportText(" sec."));
    }
    lines.push_back(reportText("Temperature of concrete mix, degrees centigrade: ") +
                    options.concreteTemperature);
}

void addMaterials(std::vector<std::string>& lines, const ReportTexts& t,
                  const ProportioningOptions& options) {
    lines.push_back("");
    lines.push_back(cementLine(mixInputText(t, fieldKeys().cementStrength)));
    lines.push_back(reportText("Normal consistency of cement paste, %: ") +
                    mixInputText(t, fieldKeys().normalConsistency));
    lines.push_back("");
    lines.push_back(reportText("Fineness modulus of sand: ") +
                    mixInputText(t, fieldKeys().sandFineness));
    lines.push_back(reportText("Bulk density of sand, kg per cu m: ") +
                    mixInputText(t, fieldKeys().sandBulkDensity));
    lines.push_back(reportText("Amount of clay lumps and friable particles in sand, %: ") +
                    mixInputText(t, fieldKeys().sandClay));
    lines.push_back("");
    lines.push_back((options.aggregateKind & 0xFF) == 1
                        ? reportText("The gravels are used as coarse aggregates")
                        : reportText("The crushed stones are used as coarse aggregates"));
    lines.push_back(reportText("Max. coarse aggregate size, mm: ") +
                    mixInputText(t, fieldKeys().maxCoarseSize));
    lines.push_back(reportText("Bulk density of coarse aggregates, kg per cu m: ") +
                    mixInputText(t, fieldKeys().coarseBulkDensity));
    lines.push_back(
        reportText("Amount of clay lumps and friable particles in coarse aggregates, %: ") +
        mixInputText(t, fieldKeys().coarseClay));
}

void addTechnique(std::vector<std::string>& lines, const FieldTexts& technique,
                  const ProportioningOptions& options, Technique chosen) {
    lines.push_back("");
    lines.push_back("");
    lines.push_back(reportText("4. TECHNOLOGICAL DECISIONS FOR DECREASING OF CEMENT CONTENT"));
    const std::string effect = reportText("Water-reducing effect is, %: ");
    switch (options.economy() ? chosen : Technique::None) {
        case Technique::None:
            lines.push_back(reportText(kNoDecision));
            break;
        case Technique::StrongerCement:
            lines.push_back(reportText("Increasing of compressive strength of cement"));
            lines.push_back(cementLine(textOf(technique, fieldKeys().strongerCementStrength)));
            break;
        case Technique::FlyAsh:
            lines.push_back(reportText("Using of fly ash"));
            lines.push_back(reportText("Amount of fly ash, kg per cu m: ") +
                            textOf(technique, fieldKeys().flyAsh));
            break;
        case Technique::Superplasticizer:
            lines.push_back(reportText("Adding of superplasticizer"));
            lines.push_back(effect + textOf(technique, fieldKeys().superplasticizerEffect));
            break;
        case Technique::Plasticizer:
            lines.push_back(reportText("Adding of plasticizer"));
            lines.push_back(effect + textOf(technique, fieldKeys().plasticizerEffect));
            break;
    }
}

void addResults(std::vector<std::string>& lines, const FieldTexts& technique,
                const ProportioningOptions& options, const MixValues& v, NumberFormat format) {
    lines.push_back("");
    lines.push_back(reportText("6. RESULTS OF PROPORTIONING"));
    lines.push_back(reportText("Water-cement ratio: ") +
                    formatFixed(v.mix.waterCementRatio, 2, format));
    lines.push_back(reportText("Calculated compressive strength of concrete at 28 days, MPa: ") +
                    formatFixed(v.calculatedStrength, 1, format));
    lines.push_back(reportText("Cement content, kg per cu m: ") +
                    formatFixed(v.mix.cementContent, 0, format));
    if (options.economy() && v.technique == Technique::FlyAsh)
        lines.push_back(reportText("Fly ash content, kg per cu m: ") +
                        textOf(technique, fieldKeys().flyAsh));
    lines.push_back(reportText("Quantity of coarse aggregate, kg per cu m: ") +
                    formatFixed(v.coarseAggregate, 0, format));
    lines.push_back(reportText("Amount of sand, kg per cu m: ") + formatFixed(v.sand, 0, format));
    lines.push_back(reportText("Amount of mixing water, kg per cu m: ") +
                    formatFixed(v.mix.waterContent, 0, format));
    if (options.frost() && v.entrainedAir > 0)
        lines.push_back(reportText("Air content, litres per cu m: ") +
                        formatFixed(v.entrainedAir, 1, format));
}

}  // namespace

std::vector<std::string> mixReportLines(const ReportTexts& texts,
                                        const ProportioningOptions& options,
                                        const MixValues& values, NumberFormat format) {
    std::vector<std::string> lines;
    lines.reserve(40);
    lines.push_back(reportText("1. INITIAL DATA FOR PROPORTIONING "));
    lines.push_back("");
    lines.push_back(reportText("Compressive strength of concrete at 28 days, MPa: ") +
                    mixInputText(texts, fieldKeys().concreteStrength));
    addConditions(lines, texts, options, values, format);
    addMaterials(lines, texts, options);
    addTechnique(lines, texts.technique, options, values.technique);
    addResults(lines, texts.technique, options, values, format);
    return lines;
}

}  // namespace orvan::mix
