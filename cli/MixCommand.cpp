// orvan-cli mix: the proportioning run over the fields of its six dialogs, every dialog shown
// inside the run answered OK with the given texts (economy.rgEconomy picks the technique).
#include <algorithm>

#include "cli/Commands.h"
#include "mixdesign/calc/MixForms.h"
#include "mixdesign/calc/MixRun.h"
#include "mixdesign/calc/OptionsFile.h"

namespace orvan::cli {

namespace {

using namespace orvan::mix;

// The texts given for one form, without its defaults: a field left out keeps what the run
// puts there (edMarka_C the text of edMarkCem) or its dialog's default.
FieldTexts givenTexts(const CliRequest& request, const std::string& formName) {
    FieldTexts texts;
    const std::string prefix = formName + ".";
    for (const auto& [name, text] : request.fields)
        if (name.compare(0, prefix.size(), prefix) == 0) texts[name.substr(prefix.size())] = text;
    return texts;
}

// The options as the options dialog would hold them: its defaults, or the record of
// --options-file loaded over them (a missing or short file is ignored, as the dialog does),
// then the given fmOptions texts.
ProportioningOptions optionsFor(const CliRequest& request) {
    ProportioningOptions options;
    if (auto it = request.options.find("options-file"); it != request.options.end())
        if (auto loaded = loadOptionsFile(it->second, options, request.format)) options = *loaded;
    FieldTexts texts = options.toTexts();
    for (const auto& [name, text] : givenTexts(request, "fmOptions")) texts[name] = text;
    return ProportioningOptions::fromTexts(texts);
}

}  // namespace

JsonObject mixValuesJson(const MixValues& v) {
    JsonObject json;
    json.number("aggregateFactor", v.mix.aggregateFactor)
        .number("waterCementRatio", v.mix.waterCementRatio)
        .number("waterContent", v.mix.waterContent)
        .number("cementContent", v.mix.cementContent)
        .number("coarseAggregate", v.coarseAggregate)
        .number("sand", v.sand)
        .number("calculatedStrength", v.calculatedStrength)
        .number("targetStrength", v.mix.targetStrength)
        .number("cementStrength", v.mix.cementStrength)
        .number("entrainedAir", v.entrainedAir)
        .optionalNumber("steamCuredStrength", v.steamCuredStrength)
        .optionalNumber("maxWaterCementRatio", v.maxWaterCementRatio)
        .number("flyAshContent", v.flyAshContent)
        .number("grainSpacing", v.grainSpacing)
        .integer("technique", static_cast<int>(v.technique));
    return json;
}

MixOutcome runMixRequest(const CliRequest& request) {
    ProportioningOptions options = optionsFor(request);
    AnsweringDialogs dialogs;
    for (const char* form : {"F_W", "fmTVO", "economy", "Vubor_Econ"})
        dialogs.setTexts(form, givenTexts(request, form));
    return runProportioning(request.formTexts(mixInputForm()), options, dialogs, request.format);
}

std::vector<Form> mixCommandForms() {
    std::vector<Form> forms;
    for (const Form* dialog : allMixDialogs()) forms.push_back(*dialog);
    for (auto& page : forms.back().pages)
        for (auto& field : page.fields)
            if (field.name == "edMarka_C")
                field.captionLines.back() += " (when not given: the text of edMarkCem)";
    return forms;
}

namespace {

CliResult runMix(const CliRequest& request) {
    return resultOf(runMixRequest(request), [](JsonObject& json, const MixValues& values) {
        json = mixValuesJson(values);
    });
}

}  // namespace

CliCommand mixCommand() {
    CliCommand command;
    command.name = "mix";
    command.summary = "proportion a concrete mixture (New mixture...)";
    command.forms = mixCommandForms();
    command.options = {{"options-file", "load the options from a record like options.slv", true}};
    command.run = runMix;
    return command;
}

}  // namespace orvan::cli
