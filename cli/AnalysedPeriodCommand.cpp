#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "strength_control/calc/AnalysedPeriod.h"

namespace orvan::cli {

namespace {

namespace an = orvan::analysed;

struct LayoutChoice {
    const an::AnalysedPeriodLayout* layout = nullptr;
    std::string error;
};

// rgCount_Party as the dialog's radio group holds it: item 0 or item 1.
LayoutChoice chooseLayout(const CliRequest& request) {
    const std::string item = request.formTexts(an::setupForm()).at("rgCount_Party");
    if (item == "0") return {&an::fiveBySixLayout(), {}};
    if (item == "1") return {&an::tenByThreeLayout(), {}};
    return {nullptr,
            "rgCount_Party is the item index of the sampling layout: 0 (5 parties of 6 "
            "extracts) or 1 (10 parties of 3 extracts), not '" +
                item + "'"};
}

// The extract fields given on the command line, all of which must belong to the layout.
std::string givenExtracts(const CliRequest& request, const an::AnalysedPeriodLayout& layout,
                          an::ExtractTexts& texts) {
    const Form& form = an::anyLayoutExtractForm();
    for (const auto& [qualified, text] : request.fields) {
        if (qualified.rfind(form.name + ".", 0) != 0) continue;
        const std::string name = qualified.substr(form.name.size() + 1);
        bool found = false;
        for (int i = 0; i < layout.partyCount && !found; ++i)
            for (int j = 0; j < layout.extractCount && !found; ++j)
                if (an::extractFieldName(i + 1, j + 1) == name) texts[i][j] = text, found = true;
        if (!found)
            return name + " is not a field of the layout of " + std::to_string(layout.partyCount) +
                   " parties of " + std::to_string(layout.extractCount) + " extracts";
    }
    return {};
}

bool anyExtractGiven(const CliRequest& request) {
    const std::string prefix = an::anyLayoutExtractForm().name + ".";
    for (const auto& entry : request.fields)
        if (entry.first.rfind(prefix, 0) == 0) return true;
    return false;
}

std::string readExtractFile(const std::string& path, const an::AnalysedPeriodLayout& layout,
                            an::ExtractTexts& texts) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "cannot read the extracts file '" + path + "'";
    std::ostringstream content;
    content << file.rdbuf();
    an::ExtractBlock block = an::parseExtractBlock(layout, content.str());
    if (!block.ok) return path + ": " + block.error;
    texts = std::move(block.texts);
    return {};
}

CliResult runAnalysedPeriod(const CliRequest& request) {
    const LayoutChoice choice = chooseLayout(request);
    if (!choice.layout) return failedResult(choice.error);
    const an::AnalysedPeriodLayout& layout = *choice.layout;
    an::ExtractTexts texts(layout.partyCount, std::vector<std::string>(layout.extractCount));
    std::string error;
    if (request.has("extracts")) {
        if (anyExtractGiven(request))
            return failedResult("give the extracts either in --extracts or as fields, not both");
        error = readExtractFile(request.options.at("extracts"), layout, texts);
    } else {
        error = givenExtracts(request, layout, texts);
    }
    if (!error.empty()) return failedResult(error);

    const std::string bText = request.formTexts(an::setupForm()).at("edB");
    const an::AnalysedPeriodOutcome outcome =
        an::computeAnalysedPeriod(layout, texts, bText, request.format);
    if (!outcome.ok()) {
        const std::string where = !outcome.values.failedField.empty() ? outcome.values.failedField
                                  : outcome.values.failedParty > 0
                                      ? "party " + std::to_string(outcome.values.failedParty)
                                      : std::string("period statistics");
        return failedResult(outcome.message + " (" + where + ": " + outcome.values.cause + ")");
    }
    return analysedPeriodResult(layout, outcome.values.result, request.format);
}

}  // namespace

CliResult analysedPeriodResult(const an::AnalysedPeriodLayout& layout,
                               const an::AnalysedPeriodResult& r, NumberFormat format) {
    CliResult result = doneResult(an::writeAnalysedPeriodReport(layout, r, format));
    result.values.numbers("partyMean", r.partyMean)
        .numbers("partyDeviation", r.partyDeviation)
        .numbers("partyVariation", r.partyVariation)
        .number("overallVariation", r.overallVariation)
        .number("averageLevel", r.averageLevel)
        .number("warningTop", r.warningTop)
        .number("warningBottom", r.warningBottom)
        .number("correctingTop", r.correctingTop)
        .number("correctingBottom", r.correctingBottom);
    return result;
}

CliCommand analysedPeriodCommand() {
    CliCommand command;
    command.name = "analysed-period";
    command.summary = "average level of strength and control limits of an analysed period";
    command.forms = {an::setupForm(), an::anyLayoutExtractForm()};
    command.options = {{"extracts",
                        "a text file of the extract strengths, one party per line, separated by "
                        "\",\", \";\" or tabs (instead of the edR fields)",
                        true}};
    command.run = runAnalysedPeriod;
    return command;
}

}  // namespace orvan::cli
