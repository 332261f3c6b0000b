#include "mixdesign/calc/MixRun.h"

#include "common/Checked.h"
#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "mixdesign/calc/CementSaving.h"
#include "mixdesign/calc/Durability.h"
#include "mixdesign/calc/FieldKeys.h"
#include "mixdesign/calc/MixCalc.h"
#include "mixdesign/calc/MixForms.h"
#include "mixdesign/calc/MixLimits.h"
#include "mixdesign/calc/MixReport.h"

namespace orvan::mix {

namespace {

using namespace orvan::checked;

const char* const kUnknownAggregate =
    "The kind of coarse aggregates is neither crushed stones nor gravels: choose one of them in "
    "the options for proportioning";
const char* const kNoAveragedFactor =
    "The average water-reducing effect of superplasticizer is known only for a slump up to "
    "100 sm or a Vebe time up to 227.3 sec: enter the water-reducing effect, %";

// Ends the run from anywhere inside it, with what the caller must show.
struct StopRun {
    OutcomeKind kind;
    std::string message;
    MessageStyle style;
};

StopRun cancelled() {
    return {OutcomeKind::Cancelled, "", MessageStyle::None};
}
StopRun refused(std::string message) {
    return {OutcomeKind::Refused, reportText(message), MessageStyle::Message};
}

// Runs an in-run dialog's own conversions and formulas: a fault there ends the run with the
// runtime's message (the dialog's own error box), not with the run's "Error".
template <class Work>
auto dialogWork(Work work) {
    try {
        return work();
    } catch (const Fault& fault) {
        throw StopRun{OutcomeKind::Failed, fault.what(), MessageStyle::ErrorBox};
    }
}

// A radio group's index as answered, refused when the group has no such item.
int radioIndex(const FieldTexts& texts, const Field& field) {
    const std::string& text = textOf(texts, field);
    int index = dialogWork([&] { return textToInt(text); });
    if (index < 0 || index >= static_cast<int>(field.items.size()))
        throw refused("\"" + reportText(field.caption()) + "\"" + reportText(" has no item ") +
                      text);
    return index;
}

class Run {
public:
    Run(const FieldTexts& mixInputs, const ProportioningOptions& options, MixRunDialogs& dialogs,
        NumberFormat format, bool withReport)
        : mixInputs_(mixInputs),
          options_(options),
          dialogs_(dialogs),
          format_(format),
          withReport_(withReport) {
        report_.mixInputs = &mixInputs;
    }

    MixOutcome operator()() {
        try {
            try {
                calculate();
                if (auto impossible = impossibleMix(values_, mixInputs_, options_, format_)) {
                    values_.impossible = impossible;
                    throw refused(impossibleMixText(*impossible));
                }
            } catch (const Fault&) {
                throw StopRun{OutcomeKind::Failed, reportText(kRunError), MessageStyle::Message};
            }
        } catch (const StopRun& stop) {
            outcome_.kind = stop.kind;
            outcome_.message = stop.message;
            outcome_.style = stop.style;
            return std::move(outcome_);
        }
        outcome_.kind = OutcomeKind::Done;
        if (withReport_) outcome_.lines = mixReportLines(report_, options_, values_, format_);
        return std::move(outcome_);
    }

private:
    double mixInputNumber(const Field& field) {
        return textToFloat(textOf(mixInputs_, field), format_);
    }

    void calculate();
    void readInputs();
    void frostStep();
    void waterTightnessStep();
    void steamCuringStep();
    void economyStep();
    EconomyResult technique(Technique chosen, const EconomyStart& start);
    void aggregates();

    const FieldTexts& mixInputs_;
    const ProportioningOptions& options_;
    MixRunDialogs& dialogs_;
    const NumberFormat format_;
    const bool withReport_;
    const MixFieldKeys& k_ = fieldKeys();
    MixOutcome outcome_;
    MixValues& values_ = outcome_.values;
    MixState& mix_ = outcome_.values.mix;
    ReportTexts report_;

    // Inputs (symbols of the method): densities in kg per litre, T in degrees Celsius.
    double rhoC_ = 0, rhoS_ = 0, rhoG_ = 0, T_ = 0;
    double Mk_ = 0, rhoBS_ = 0, Cs_ = 0, NG_ = 0, D_ = 0, rhoBG_ = 0, Cg_ = 0;
    int kind_ = 0;
};

void Run::readInputs() {
    rhoC_ = textToFloat(options_.cementDensity, format_);
    rhoS_ = textToFloat(options_.sandDensity, format_);
    rhoG_ = textToFloat(options_.coarseDensity, format_);
    T_ = textToFloat(options_.concreteTemperature, format_);
    kind_ = options_.aggregateKind & 0xFF;  // the low byte of the index, as always stored
    if (kind_ != kCrushedStone && kind_ != kGravel) throw refused(kUnknownAggregate);

    report_.workabilityIndex = textToInt(textOf(mixInputs_, k_.workabilityKind));
    mix_.workabilityKind = report_.workabilityIndex == 0 ? Workability::Slump : Workability::Vebe;
    mix_.workability = mixInputNumber(k_.workability);
    Mk_ = mixInputNumber(k_.sandFineness);
    rhoBS_ = div(mixInputNumber(k_.sandBulkDensity), 1000);
    Cs_ = mixInputNumber(k_.sandClay);
    mix_.cementStrength = mixInputNumber(k_.cementStrength);
    NG_ = mixInputNumber(k_.normalConsistency);
    D_ = mixInputNumber(k_.maxCoarseSize);
    rhoBG_ = div(mixInputNumber(k_.coarseBulkDensity), 1000);
    Cg_ = mixInputNumber(k_.coarseClay);
    mix_.targetStrength = mixInputNumber(k_.concreteStrength);
    mix_.enteredStrength = mix_.targetStrength;
}

void Run::calculate() {
    values_.flyAshContent = 0;
    values_.entrainedAir = 0;
    readInputs();
    const MaterialInputs materials{
        mix_.workabilityKind, mix_.workability, D_, Mk_, NG_, Cs_, Cg_, T_, kind_};
    mix_.aggregateFactor = computeAggregateFactor(materials);
    mix_.waterCementRatio =
        waterCementRatioFor(mix_.aggregateFactor, mix_.cementStrength, mix_.targetStrength);
    mix_.waterContent = computeWaterDemand(materials);
    if (options_.frost()) frostStep();
    if (options_.waterproof()) waterTightnessStep();
    mix_.targetStrength =
        strengthAt(mix_.aggregateFactor, mix_.cementStrength, mix_.waterCementRatio);
    if (options_.steamCuring()) steamCuringStep();
    mix_.waterContent = richMixWater(mix_.waterContent, mix_.waterCementRatio, NG_);
    mix_.cementContent = div(mix_.waterContent, mix_.waterCementRatio);
    CementAndWater clamped = clampCement(mix_.cementContent, mix_.waterContent,
                                         mix_.waterCementRatio, options_.reinforced());
    mix_.cementContent = clamped.cement;
    mix_.waterContent = clamped.water;
    if (options_.economy()) economyStep();
    aggregates();
}

void Run::frostStep() {
    DialogAnswer answer = dialogs_.frostPage(mix_);
    if (!answer) throw cancelled();
    report_.frost = std::move(*answer);
    FrostResult frost = dialogWork([&] {
        double cycles = textToFloat(textOf(report_.frost, k_.frostCycles), format_);
        return frostRequirement(cycles, mix_.workabilityKind, mix_.workability, mix_.targetStrength,
                                mix_.enteredStrength);
    });
    values_.entrainedAir = frost.entrainedAir;
    mix_.targetStrength = frost.targetStrength;
    mix_.waterCementRatio =
        waterCementRatioFor(mix_.aggregateFactor, mix_.cementStrength, mix_.targetStrength);
}

void Run::waterTightnessStep() {
    DialogAnswer answer = dialogs_.waterTightnessPage(mix_);
    if (!answer) throw cancelled();
    report_.water = std::move(*answer);
    double limit = dialogWork([&] {
        return maxWaterCementRatioFor(
            textToFloat(textOf(report_.water, k_.waterPressure), format_));
    });
    values_.maxWaterCementRatio = limit;
    if (limit < mix_.waterCementRatio) mix_.waterCementRatio = limit;
}

void Run::steamCuringStep() {
    DialogAnswer answer = dialogs_.steamCuring(mix_);
    if (!answer) throw cancelled();
    report_.steam = std::move(*answer);
    // Every field is converted before the mix changes, so a bad entry leaves it as it was.
    SteamCuringInputs in;
    in.steamingHours =
        dialogWork([&] { return textToFloat(textOf(report_.steam, k_.steamingHours), format_); });
    in.afterHours = dialogWork(
        [&] { return textToFloat(textOf(report_.steam, k_.afterSteamingHours), format_); });
    report_.accelerator = radioIndex(report_.steam, k_.accelerator);
    report_.cementType = radioIndex(report_.steam, k_.cementType);
    in.accelerator = static_cast<Accelerator>(report_.accelerator);
    in.cementType = static_cast<CementType>(report_.cementType);
    SteamCuringResult result =
        dialogWork([&] { return steamCuring(in, mix_.waterCementRatio, mix_.cementStrength); });
    values_.steamCuredStrength = result.strength;
    if (in.accelerator == Accelerator::Superplasticizer) {
        mix_.waterContent = mul(result.waterFactor, mix_.waterContent);
        mix_.waterCementRatio = mul(result.waterFactor, mix_.waterCementRatio);
    }
}

void Run::economyStep() {
    DialogAnswer answer = dialogs_.economyChoice(mix_);
    if (!answer) throw cancelled();
    auto chosen = static_cast<Technique>(radioIndex(*answer, k_.technique));
    values_.technique = chosen;
    EconomyStart start{mix_.waterCementRatio, mix_.cementContent,   mix_.targetStrength,
                       mix_.cementStrength,   mix_.aggregateFactor, mix_.waterContent};
    EconomyResult result = chosen == Technique::None ? unchanged(start) : technique(chosen, start);
    mix_.waterCementRatio = result.waterCementRatio;
    mix_.cementContent = result.cementContent;
    mix_.waterContent = result.waterContent;
    mix_.cementStrength = result.cementStrength;
    values_.flyAshContent = result.flyAshContent;
}

EconomyResult Run::technique(Technique chosen, const EconomyStart& start) {
    bool admixture = chosen == Technique::Superplasticizer || chosen == Technique::Plasticizer;
    if (chosen == Technique::StrongerCement && (options_.frost() || options_.waterproof()))
        throw refused(kStrongerCementRefused);
    if (admixture && options_.steamCuring() &&
        static_cast<Accelerator>(report_.accelerator) == Accelerator::Superplasticizer)
        throw refused(kPlasticizerRefused);
    FieldTexts prefilled;
    if (chosen == Technique::StrongerCement)
        prefilled["edMarka_C"] = textOf(mixInputs_, k_.cementStrength);
    DialogAnswer answer = dialogs_.techniquePage(chosen, prefilled, mix_);
    if (!answer) throw cancelled();
    report_.technique = std::move(*answer);
    auto number = [&](const Field& field) {
        return textToFloat(textOf(report_.technique, field), format_);
    };
    if (chosen == Technique::StrongerCement)
        return dialogWork([&] { return strongerCement(start, number(k_.strongerCementStrength)); });
    if (chosen == Technique::FlyAsh)
        return dialogWork([&] { return flyAsh(start, number(k_.flyAsh), options_.steamCuring()); });
    if (chosen == Technique::Plasticizer)
        return dialogWork([&] {
            return waterReducer(start, waterFactorFromEffect(number(k_.plasticizerEffect)));
        });
    const std::string& effect = textOf(report_.technique, k_.superplasticizerEffect);
    if (effect != kAverageDataText)
        return dialogWork([&] {
            return waterReducer(start, waterFactorFromEffect(textToFloat(effect, format_)));
        });
    std::optional<double> k = averagedWaterFactor(mix_.workabilityKind == Workability::Slump,
                                                  mix_.workability, start.cementContent);
    if (!k) throw refused(kNoAveragedFactor);
    return dialogWork([&] { return waterReducer(start, *k); });
}

void Run::aggregates() {
    const double binder = add(mix_.cementContent, values_.flyAshContent);
    values_.grainSpacing = grainSpacing(rhoBS_, rhoS_, rhoBG_, rhoG_, kind_, mix_.workabilityKind,
                                        mix_.workability, binder);
    values_.coarseAggregate = coarseAggregateContent(values_.grainSpacing, rhoBG_, rhoG_);
    const VolumeParts parts{values_.coarseAggregate, rhoG_, mix_.waterContent,
                            mix_.cementContent,      rhoC_, values_.flyAshContent,
                            values_.entrainedAir,    rhoS_};
    values_.sandVolume = sandVolume(parts);
    values_.sand = sandContent(parts);
    values_.calculatedStrength =
        strengthAt(mix_.aggregateFactor, mix_.cementStrength, mix_.waterCementRatio);
}

}  // namespace

MixOutcome runProportioning(const FieldTexts& mixInputs, const ProportioningOptions& options,
                            MixRunDialogs& dialogs, NumberFormat format) {
    return Run(mixInputs, options, dialogs, format, true)();
}

MixOutcome runProportioningValues(const FieldTexts& mixInputs, const ProportioningOptions& options,
                                  MixRunDialogs& dialogs, NumberFormat format) {
    return Run(mixInputs, options, dialogs, format, false)();
}

std::string mixReportTitle(int windowNumber) {
    return reportText("Window \xE2\x84\x96") + std::to_string(windowNumber) +
           reportText(". Proportioning concrete mixture");
}

// --- Scripted answers ------------------------------------------------------------------

AnsweringDialogs::AnsweringDialogs(std::vector<std::pair<std::string, FieldTexts>> given)
    : given_(std::move(given)) {}

void AnsweringDialogs::setTexts(const std::string& formName, const FieldTexts& texts) {
    for (auto& [name, existing] : given_)
        if (name == formName) {
            existing = texts;
            return;
        }
    given_.emplace_back(formName, texts);
}

DialogAnswer AnsweringDialogs::answer(InRunDialog dialog, const std::string& formName,
                                      const FieldTexts& prefilled) {
    asked_.push_back(dialog);
    if (cancelAt_ == dialog) return std::nullopt;
    FieldTexts texts = prefilled;
    for (const auto& [name, given] : given_)
        if (name == formName)
            for (const auto& [field, text] : given) texts[field] = text;
    return texts;
}

DialogAnswer AnsweringDialogs::frostPage(const MixState&) {
    return answer(InRunDialog::FrostPage, "F_W");
}
DialogAnswer AnsweringDialogs::waterTightnessPage(const MixState&) {
    return answer(InRunDialog::WaterTightnessPage, "F_W");
}
DialogAnswer AnsweringDialogs::steamCuring(const MixState&) {
    return answer(InRunDialog::SteamCuring, "fmTVO");
}
DialogAnswer AnsweringDialogs::economyChoice(const MixState&) {
    return answer(InRunDialog::EconomyChoice, "economy");
}
DialogAnswer AnsweringDialogs::techniquePage(Technique, const FieldTexts& prefilled,
                                             const MixState&) {
    return answer(InRunDialog::TechniquePage, "Vubor_Econ", prefilled);
}

}  // namespace orvan::mix
