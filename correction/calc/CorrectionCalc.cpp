#include "correction/calc/CorrectionCalc.h"

#include <cmath>

#include "common/Checked.h"
#include "common/Fault.h"
#include "common/HelpTopic.h"
#include "common/NumberText.h"
#include "common/ReportLanguage.h"

namespace orvan::correction {

namespace {

using namespace orvan::checked;

// Fields under a heading as the page lists them: the fields go into the page in order, the
// heading into its groups.
struct Group {
    std::vector<std::string> headingLines;
    std::vector<std::pair<std::string, std::vector<std::string>>> fields;  // name, caption
};

FormPage makePage(std::string name, std::string caption, int helpTopic, std::string actionName,
                  std::string closeName, const std::vector<Group>& groups) {
    FormPage page;
    page.name = std::move(name);
    page.caption = std::move(caption);
    page.actionName = std::move(actionName);
    page.closeName = std::move(closeName);
    page.helpTopic = helpTopic;
    for (const auto& group : groups) {
        page.groups.push_back({group.headingLines, group.fields.size()});
        for (const auto& [fieldName, captionLines] : group.fields)
            page.fields.push_back(textField(fieldName, captionLines));
    }
    return page;
}

FormPage strengthPage() {
    return makePage("correct_strength",
                    "Correction in depending on cement-water ratio and compressive strength",
                    kHelpStrengthCorrection, "bbcorrect_strength", "BitBtn2",
                    {
                        {{"Enter first real value of concrete strength and",
                          "correspondance value of cement-water ratio"},
                         {{"edRb1", {"Strength of concrete, MPa"}},
                          {"edC_V1", {"Correspondance cement-water ratio"}}}},
                        {{"Enter second real value of concrete strength and",
                          "correspondance value of cement-water ratio"},
                         {{"edRb2", {"Strength of concrete, MPa"}},
                          {"edC_V2", {"Correspondance cement-water ratio"}}}},
                        {{},
                         {{"edRtr", {"Enter necessary strength of concrete, MPa"}},
                          {"edV", {"Enter necessary amount of mixing water, kg per cu m"}}}},
                    });
}

FormPage aggregatePage() {
    return makePage(
        "correct_granulom", "Correction in depending on aggregates grading and humidity",
        kHelpAggregateCorrection, "bbcorrect_zapoln", "BitBtn3",
        {
            {{"Enter quantities of materials, kg per cu m"},
             {{"edP", {"Amount of dry sand:"}},
              {"edSC", {"Amount of dry", "coarse aggregates:"}},
              {"edVoda", {"Amount of", "mixing water:"}}}},
            {{"Enter humidity of materials, %"},
             {{"edWp", {"Humidity of sand:"}}, {"edWsc", {"Humidity of coarse aggregates:"}}}},
            {{"Enter share of sand in coarse aggregates",
              "and share of coarse aggregates in sand, %"},
             {{"edXp_sc", {"Share of sand", "in coarse aggregates:"}},
              {"edYsc_p", {"Share of coarse aggregates", "in sand:"}}}},
            {{},
             {{"edMixerVolume", {"Mixer volume, cu m", "(blank: no mixer load):"}},
              {"edCement", {"Amount of cement, kg per cu m", "(blank: none):"}},
              {"edFlyAsh", {"Amount of fly ash, kg per cu m", "(blank: none):"}},
              {"edAdmixture", {"Amount of admixture, kg per cu m", "(blank: none):"}}}},
        });
}

double read(const FieldTexts& texts, const Form& form, const char* name, NumberFormat format) {
    return textToFloat(fieldText(texts, form, name), format);
}

// Runs a correction over the texts, turning a fault into its message.
template <class Values, class Read, class Compute, class Lines>
Outcome<Values> runCorrection(const FieldTexts& texts, NumberFormat format, Read readInputs,
                              Compute compute, Lines lines) {
    try {
        Values values = compute(readInputs(texts, format));
        std::vector<std::string> report = lines(texts, values, format);
        return Outcome<Values>::done(std::move(values), std::move(report));
    } catch (const Fault& fault) {
        return Outcome<Values>::failed(fault.what(), MessageStyle::ErrorBox);
    }
}

}  // namespace

const Form& correctionDialog() {
    static const Form form{"correction",
                           "Correction concrete mixture",
                           kHelpStrengthCorrection,
                           {strengthPage(), aggregatePage()},
                           "page"};
    return form;
}

const Form& strengthForm() {
    static const Form form = correctionDialog().withPageOnly(0);
    return form;
}

const Form& aggregateForm() {
    static const Form form = correctionDialog().withPageOnly(1);
    return form;
}

// --- Correction by strength and cement-water ratio -------------------------------------

StrengthInputs readStrengthInputs(const FieldTexts& texts, NumberFormat format) {
    const Form& form = strengthForm();
    StrengthInputs in;
    in.r1 = read(texts, form, "edRb1", format);
    in.r2 = read(texts, form, "edRb2", format);
    in.required = read(texts, form, "edRtr", format);
    in.k1 = read(texts, form, "edC_V1", format);
    in.k2 = read(texts, form, "edC_V2", format);
    in.water = read(texts, form, "edV", format);
    return in;
}

StrengthCorrection correctByStrength(const StrengthInputs& in) {
    StrengthCorrection out;
    // The line through (K1, R1) and (K2, R2) meets the C/W axis at
    // b = (R1 K2 - R2 K1) / (R1 - R2); equal strengths divide by zero.
    out.intercept = div(sub(mul(in.r1, in.k2), mul(in.r2, in.k1)), sub(in.r1, in.r2));
    // A = R1 / (K1 - b). K1 - b is taken multiplied out, R1 (K1 - K2) / (R1 - R2), so that
    // equal ratios give an exact zero (division by zero) instead of a rounding residue that
    // would make A enormous; R1 = 0 gives 0 / 0 as before.
    const double distance = div(mul(in.r1, sub(in.k1, in.k2)), sub(in.r1, in.r2));
    out.slope = div(in.r1, distance);
    // K = (b A + Rreq) / A, written as b + Rreq / A so that b A cannot overflow on its own.
    out.ratio = add(out.intercept, div(in.required, out.slope));
    out.cement = mul(in.water, out.ratio);
    out.water = in.water;
    return out;
}

std::vector<std::string> strengthReportLines(const FieldTexts& texts,
                                             const StrengthCorrection& result,
                                             NumberFormat format) {
    const Form& form = strengthForm();
    auto text = [&](const char* name) { return fieldText(texts, form, name); };
    return {
        reportText("Correction concrete mixture is possible if information about"),
        reportText("2 values of compressive strength and correspondance values of"),
        reportText("cement-water ratio is available"),
        "",
        reportText("1.INITIAL DATA FOR CORRECTION CONCRETE MIXTURE"),
        reportText("IN DEPENDING ON COMPRESSIVE STRENGTH"),
        "",
        reportText("First real value of strength, MPa: ") + text("edRb1"),
        reportText("Correspondance value of cement-water ratio: ") + text("edC_V1"),
        "",
        reportText("Second real value of strength, MPa: ") + text("edRb2"),
        reportText("Correspondance value of cement-water ratio: ") + text("edC_V2"),
        "",
        reportText("Necessary value of strength, MPa: ") + text("edRtr"),
        "",
        reportText("UPDATED PARAMETERS"),
        "",
        reportText("Real value of cement-water ratio: ") + formatFixed(result.ratio, 2, format),
        reportText("Updated cement content, kg per cu m: ") + formatFixed(result.cement, 0, format),
        reportText("Updated amount of mixing water, kg per cu m: ") +
            formatFixed(result.water, 0, format),
    };
}

std::string strengthReportTitle(int windowNumber) {
    return reportText(
               "Correction concrete mixture in depending on compressive strength. Window №") +
           std::to_string(windowNumber);
}

Outcome<StrengthCorrection> runStrengthCorrection(const FieldTexts& texts, NumberFormat format) {
    return runCorrection<StrengthCorrection>(texts, format, readStrengthInputs, correctByStrength,
                                             strengthReportLines);
}

// --- Correction by aggregate grading and moisture --------------------------------------

AggregateInputs readAggregateInputs(const FieldTexts& texts, NumberFormat format) {
    const Form& form = aggregateForm();
    AggregateInputs in;
    in.sand = read(texts, form, "edP", format);
    in.coarse = read(texts, form, "edSC", format);
    in.water = read(texts, form, "edVoda", format);
    in.sandHumidity = read(texts, form, "edWp", format);
    in.coarseHumidity = read(texts, form, "edWsc", format);
    in.sandInCoarse = read(texts, form, "edXp_sc", format);
    in.coarseInSand = read(texts, form, "edYsc_p", format);
    return in;
}

AggregateCorrection correctByAggregates(const AggregateInputs& in) {
    // Fractions of the moist mass: dry part of each grain size, and the two shares.
    const double drySand = sub(1, div(in.sandHumidity, 100));
    const double dryCoarse = sub(1, div(in.coarseHumidity, 100));
    const double x = div(in.sandInCoarse, 100);
    const double y = div(in.coarseInSand, 100);
    // Balances of the batch: (1 - y) Ps + x Gs = P / drySand and y Ps + (1 - x) Gs =
    // SC / dryCoarse. Their determinant (1 - y)(1 - x) - x y is 1 - (x + y) multiplied out;
    // it is taken in that form so that shares adding up to 100 % give an exact zero
    // (division by zero) rather than a rounding residue and absurd batch weights.
    const double shares = sub(1, div(add(in.sandInCoarse, in.coarseInSand), 100));
    AggregateCorrection out;
    out.determinant = mul(mul(drySand, dryCoarse), shares);
    out.sand = div(sub(mul(mul(dryCoarse, in.sand), sub(1, x)), mul(mul(drySand, in.coarse), x)),
                   out.determinant);
    out.coarse = div(sub(mul(mul(drySand, in.coarse), sub(1, y)), mul(mul(dryCoarse, in.sand), y)),
                     out.determinant);
    // The water the aggregates bring: the moist mass of all sand grains times wp, of all
    // coarse grains times wsc.
    const double sandGrains = std::fabs(add(mul(sub(1, y), out.sand), mul(x, out.coarse)));
    const double coarseGrains = std::fabs(add(mul(sub(1, x), out.coarse), mul(y, out.sand)));
    out.water = sub(sub(in.water, mul(sandGrains, div(in.sandHumidity, 100))),
                    mul(coarseGrains, div(in.coarseHumidity, 100)));
    return out;
}

std::vector<std::string> aggregateReportLines(const FieldTexts& texts,
                                              const AggregateCorrection& result,
                                              NumberFormat format) {
    const Form& form = aggregateForm();
    auto text = [&](const char* name) { return fieldText(texts, form, name); };
    return {
        "",
        reportText("1.INITIAL DATA FOR CORRECTION CONCRETE MIXTURE"),
        reportText("IN DEPENDING ON AGGREGATES GRADING AND HUMIDITY"),
        "",
        reportText("Initial amount of sand, kg per cu m: ") + text("edP"),
        reportText("Humidity of sand, %: ") + text("edWp"),
        reportText("Share of coarse aggregares in sand, %: ") + text("edYsc_p"),
        "",
        reportText("Initial amount of coarse aggregates, kg per cu m: ") + text("edSC"),
        reportText("Humidity of coarse aggregates, %: ") + text("edWsc"),
        reportText("Share of sand in coarse aggregates, %: ") + text("edXp_sc"),
        "",
        reportText("Initial amount of mixing water, kg per cu m: ") + text("edVoda"),
        "",
        reportText(
            "UPDATATED PARAMETERS"),  // misspelt on purpose: the report line as the users know it
        "",
        reportText("Updated amount of mixing water, kg per cu m: ") +
            formatFixed(result.water, 0, format),
        reportText("Updated amount of sand, kg per cu m: ") + formatFixed(result.sand, 0, format),
        reportText("Updated quantity of coarse aggregate, kg per cu m: ") +
            formatFixed(result.coarse, 0, format),
        "",
        reportText("Cement content is constant"),
    };
}

std::string aggregateReportTitle(int windowNumber) {
    return reportText("Correction concrete mixture in depending on aggregates grading. Window №") +
           std::to_string(windowNumber);
}

Outcome<AggregateCorrection> runAggregateCorrection(const FieldTexts& texts, NumberFormat format) {
    auto outcome = runCorrection<AggregateCorrection>(texts, format, readAggregateInputs,
                                                      correctByAggregates, aggregateReportLines);
    if (!outcome.ok()) return outcome;
    const std::string volume = fieldText(texts, aggregateForm(), "edMixerVolume");
    try {
        outcome.values.load = mixerLoad(texts, outcome.values, format);
    } catch (const Fault& fault) {
        return Outcome<AggregateCorrection>::failed(fault.what(), MessageStyle::ErrorBox);
    }
    if (outcome.values.load) {
        const auto more = mixerLoadLines(volume, *outcome.values.load, format);
        outcome.lines.insert(outcome.lines.end(), more.begin(), more.end());
    }
    return outcome;
}

}  // namespace orvan::correction
