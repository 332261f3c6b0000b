#include "mixdesign/calc/MixLimits.h"

#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "mixdesign/calc/MixCalc.h"
#include "mixdesign/calc/MixForms.h"

namespace orvan::mix {

namespace {

// The text of a field as the run read it: given, or the dialog's default.
std::string fieldText(const FieldTexts& mixInputs, const ProportioningOptions& options,
                      const std::string& name) {
    const FieldTexts optionTexts = options.toTexts();
    for (const FieldTexts* texts : {&mixInputs, &optionTexts})
        if (auto it = texts->find(name); it != texts->end()) return it->second;
    for (const Form* dialog : {&mixInputForm(), &optionsDialog()})
        if (const Field* field = dialog->field(name)) return field->defaultText;
    return {};
}

std::string captionOf(const std::string& name) {
    for (const Form* dialog : {&mixInputForm(), &optionsDialog()})
        if (const Field* field = dialog->field(name)) return reportText(field->caption());
    return name;
}

std::string quoted(const std::string& text) {
    std::string out(1, '"');
    out += text;
    out += '"';
    return out;
}

std::string joined(const std::vector<std::string>& parts, const char* separator) {
    std::string out;
    for (const auto& part : parts) out += (out.empty() ? "" : separator) + part;
    return out;
}

}  // namespace

std::vector<InputRange> methodRanges(bool slump) {
    return {
        slump ? InputRange{"edYdoboykl", 0, 24, "sm"} : InputRange{"edYdoboykl", 0, 30, "sec"},
        {"edMkr_P", 1, 3.5, ""},
        {"edNPl_P", 1200, 1800, "kg per cu m"},
        {"edPr_P", 0, 5, "%"},
        {"edMarkCem", 20, 70, "MPa"},
        {"edNGCT", 20, 35, "%"},
        {"edNKr_Sc", 5, 150, "mm"},
        {"edNPl_Sc", 1200, 1800, "kg per cu m"},
        {"edPr_Sc", 0, 3, "%"},
        {"edClassBet", 5, 80, "MPa"},
        {"edPlotnostC", 2.8, 3.3, ""},
        {"edPlotnostP", 2.4, 2.8, ""},
        {"edPlotnostSC", 2.4, 3.1, ""},
        {"edTemperatyr", 0, 40, ""},
    };
}

std::optional<ImpossibleMix> impossibleMix(const MixValues& values, const FieldTexts& mixInputs,
                                           const ProportioningOptions& options,
                                           NumberFormat format) {
    struct Quantity {
        const char* name;
        double value;
        int decimals;
        const char* unit;
    };
    const Quantity quantities[] = {
        {"the water-cement ratio", values.mix.waterCementRatio, 2, ""},
        {"the water", values.mix.waterContent, 1, "kg per cu m"},
        {"the cement", values.mix.cementContent, 1, "kg per cu m"},
        {"the coarse aggregate", values.coarseAggregate, 1, "kg per cu m"},
        {"the volume left for sand", values.sandVolume, 1, "litres per cu m"},
    };
    ImpossibleMix impossible;
    for (const Quantity& q : quantities)
        if (!(q.value > 0))
            impossible.quantities.push_back(
                {q.name, formatFixed(q.value, q.decimals, format), q.unit});
    if (impossible.quantities.empty()) return std::nullopt;

    for (const InputRange& range : methodRanges(values.mix.workabilityKind == Workability::Slump)) {
        const std::string text = fieldText(mixInputs, options, range.field);
        const std::optional<double> value = tryTextToFloat(text, format);
        if (value && *value >= range.min && *value <= range.max) continue;
        impossible.outside.push_back({range.field, text, formatGeneral15(range.min, format),
                                      formatGeneral15(range.max, format), range.unit});
    }
    return impossible;
}

namespace {
// A value and its unit, if it has one, in the report language.
std::string withUnit(const std::string& value, const std::string& unit) {
    std::string text = value;
    if (!unit.empty()) text.append(" ").append(reportText(unit));
    return text;
}
}  // namespace

std::string impossibleMixText(const ImpossibleMix& impossible) {
    std::vector<std::string> quantities;
    for (const auto& q : impossible.quantities)
        quantities.push_back(reportText(q.name) + reportText(" is ") + withUnit(q.value, q.unit));
    std::vector<std::string> outside;
    for (const auto& input : impossible.outside)
        outside.push_back(quoted(captionOf(input.field)) + " " + input.text + reportText(" (") +
                          input.min + reportText(" to ") + withUnit(input.max, input.unit) + ")");
    std::string message = reportText("The mix cannot be made: ") + joined(quantities, ", ") + ".";
    message += outside.empty()
                   ? reportText(" Every input lies within the method's range.")
                   : reportText(" Outside the method's range: ") + joined(outside, "; ") + ".";
    return message;
}

}  // namespace orvan::mix
