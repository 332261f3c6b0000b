#pragma once
// The proportioning run: from the texts of the mix-design dialog and the options, the base
// nominal mix of one cubic metre by the absolute-volume method, and its report lines.
//
// The run asks questions on the way (frost page, water-tightness page, steam curing, the
// choice of a cement-saving technique and the technique's page). It asks them through
// MixRunDialogs, which the caller implements: the desktop program shows its dialogs modally,
// the command-line tool answers from the texts it was given, tests answer from a script.
// The dialogs only gather texts; every conversion and calculation is done here. The run
// never throws: it returns a MixOutcome.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"
#include "common/Fault.h"
#include "common/Form.h"
#include "common/NumberText.h"
#include "common/Outcome.h"
#include "mixdesign/calc/MixCalc.h"
#include "mixdesign/calc/OptionsFile.h"

namespace orvan::mix {

// The current mix, read and changed by the steps of the run and by the in-run dialogs.
struct MixState {
    double cementContent = 0;            // C, kg per cu m
    double targetStrength = 0;           // R, MPa: entered, raised by the frost page, then from W/C
    double cementStrength = 0;           // Rc, MPa; the stronger-cement technique replaces it
    double aggregateFactor = 0;          // A of the strength law R = A*Rc*(C/W - 0.5)
    double waterContent = 0;             // W, kg (litres) per cu m
    double enteredStrength = 0;          // R as entered, kept for the frost page
    double waterCementRatio = 0;         // W/C
    double workability = 0;              // slump in cm or Vebe time in s
    Workability workabilityKind = Workability::Slump;  // how `workability` is given
};

// The cement-saving techniques, by their index in economy.rgEconomy. The technique page of
// Vubor_Econ is index - 1 (marka_cem, ash, superplast, plast).
enum class Technique {
    None = 0,
    StrongerCement = 1,
    FlyAsh = 2,
    Superplasticizer = 3,
    Plasticizer = 4
};

// The answer of a dialog shown inside the run: on OK, the texts of its fields by component
// name (a radio group as its item index in decimal, "-1" when nothing is selected); nullopt
// when it was closed other than by OK. Fields left out of an answer take their defaults
// (MixForms.h), so an answer needs only the fields the user can change.
using DialogAnswer = std::optional<FieldTexts>;

// The dialogs the run may show, in the order it shows them. Each is modal; each is called at
// most once per run, and only when its option (or the chosen technique) asks for it.
class MixRunDialogs {
public:
    virtual ~MixRunDialogs() = default;

    // DurabilityDialog with page "F" active and page "W" hidden (show "W" again afterwards).
    // Answer: edMarka_F. `mix` is the state before the page: workability and targetStrength.
    virtual DialogAnswer frostPage(const MixState& mix) = 0;

    // DurabilityDialog with page "W" active and page "F" hidden (show "F" again afterwards).
    // Answer: edW.
    virtual DialogAnswer waterTightnessPage(const MixState& mix) = 0;

    // SteamCuringDialog. Answer: edT_prop, edT_vuderz, rgYskoriteli (0..3), rgVid_Cem (0..1).
    virtual DialogAnswer steamCuring(const MixState& mix) = 0;

    // CementSavingChoiceDialog. Answer: rgEconomy (0..4). The choice dialog is closed before the
    // technique page is asked for; a refused choice (see MixOutcome) comes back as the run's
    // outcome.
    virtual DialogAnswer economyChoice(const MixState& mix) = 0;

    // CementSavingTechniqueDialog on the page of `technique` (never None), the other pages
    // unreachable. `prefilled` holds the texts to put into fields before showing: for
    // StrongerCement
    // {"edMarka_C": the text of fmBNS.edMarkCem}; empty for the other pages, whose fields keep
    // what the user last typed. Answer: the page's one field (edMarka_C, edAsh, edSuperplast
    // or edPlast).
    virtual DialogAnswer techniquePage(Technique technique, const FieldTexts& prefilled,
                                       const MixState& mix) = 0;
};

// A mix the method cannot make (MixLimits.h): each quantity at or below zero and each input
// outside the method's range.
struct ImpossibleMix {
    struct Quantity {
        std::string name;   // "the water"
        std::string value;  // "-130.6"
        std::string unit;   // "kg per cu m"; "" for the water-cement ratio
    };
    struct Input {
        std::string field;  // component name: "edYdoboykl"
        std::string text;   // as typed, or the dialog's default
        std::string min, max;
        std::string unit;  // "sm", "%", ""
    };
    std::vector<Quantity> quantities;
    std::vector<Input> outside;
};

// What a finished run computed (also filled as far as it got when it stopped).
struct MixValues {
    MixState mix;                   // the final mix: W/C, W, C, Rc, A, R
    double coarseAggregate = 0;     // G, kg per cu m
    double sand = 0;                // S, kg per cu m
    double sandVolume = 0;          // litres per cu m left for sand, before S folds it to positive
    double calculatedStrength = 0;  // A*Rc*(1/(W/C) - 0.5), MPa
    double grainSpacing = 0;        // alpha
    double flyAshContent = 0;       // kg per cu m, 0 unless fly ash was used
    double entrainedAir = 0;        // litres per cu m, 0 unless the frost page set it
    std::optional<double> maxWaterCementRatio;  // set by the water-tightness page
    std::optional<double> steamCuredStrength;   // % of 28-day strength; set by steam curing
    Technique technique = Technique::None;      // the technique applied, when economy is on
    std::optional<ImpossibleMix> impossible;    // Refused because the mix cannot be made
};

// Done: `lines` is the report. Cancelled: a dialog was closed with Cancel; nothing to show.
// Refused: a technique the mix does not allow, an aggregate kind other than crushed stone or
// gravel, a superplasticizer workability outside the averaged table, or a mix that cannot be
// made (MixLimits.h; `values.impossible` says why); show `message`. Failed: "Error" (a fault in
// the run's own steps) or the runtime's message of an in-run dialog's entry; show `message` as
// `style` says.
using MixOutcome = Outcome<MixValues>;

// The message of any fault in the run's own steps.
inline constexpr const char* kRunError = "Error";
// The refusals of the economy step.
inline constexpr const char* kStrongerCementRefused =
    "This decision is not recommended if resistance to frezing and thawing and watertightness "
    "are given";
inline constexpr const char* kPlasticizerRefused =
    "Plasticizing admixture is already used for accelerating of steam curing";

// The whole run over the texts of fmBNS (absent fields take their defaults) and the options,
// numbers read and reported in `format`.
// No report window is needed before it returns: publish `lines` under mixReportTitle(n) only
// when kind is Done.
MixOutcome runProportioning(const FieldTexts& mixInputs, const ProportioningOptions& options,
                            MixRunDialogs& dialogs, NumberFormat format);

// The same run without building the report lines (`lines` stays empty): for callers that
// need only the values, and to time the calculation by itself.
MixOutcome runProportioningValues(const FieldTexts& mixInputs, const ProportioningOptions& options,
                                  MixRunDialogs& dialogs, NumberFormat format);

// "Window №" n ". Proportioning concrete mixture", the report window's title pattern
// (for DocumentArea::publishReport: [](int n) { return fromCore(mixReportTitle(n)); }).
std::string mixReportTitle(int windowNumber);

// Which in-run dialog, for scripted answers.
enum class InRunDialog { FrostPage, WaterTightnessPage, SteamCuring, EconomyChoice, TechniquePage };

// Answers every in-run dialog with OK from given texts: for each dialog its defaults
// (MixForms.h) overlaid with the prefilled texts and then with the given texts of its form
// ("F_W", "fmTVO", "economy", "Vubor_Econ"). The command-line tool, the benchmark and the
// tests use it; cancelAt() makes one dialog answer Cancel instead.
class AnsweringDialogs : public MixRunDialogs {
public:
    AnsweringDialogs() = default;
    // Texts by form name, then by field name.
    explicit AnsweringDialogs(std::vector<std::pair<std::string, FieldTexts>> given);

    void setTexts(const std::string& formName, const FieldTexts& texts);
    void cancelAt(InRunDialog dialog) { cancelAt_ = dialog; }
    const std::vector<InRunDialog>& asked() const { return asked_; }  // in the order asked

    DialogAnswer frostPage(const MixState& mix) override;
    DialogAnswer waterTightnessPage(const MixState& mix) override;
    DialogAnswer steamCuring(const MixState& mix) override;
    DialogAnswer economyChoice(const MixState& mix) override;
    DialogAnswer techniquePage(Technique technique, const FieldTexts& prefilled,
                               const MixState& mix) override;

private:
    DialogAnswer answer(InRunDialog dialog, const std::string& formName,
                        const FieldTexts& prefilled = {});

    std::vector<std::pair<std::string, FieldTexts>> given_;
    std::optional<InRunDialog> cancelAt_;
    std::vector<InRunDialog> asked_;
};

}  // namespace orvan::mix
