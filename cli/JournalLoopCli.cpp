// orvan-cli journal cusum, predict, design, designs and correct: from the journal's results
// back to the mix (the prediction of the 28-day strength from an early one, the CUSUM over the
// parties, the design corrected from the parties made from it).
#include "cli/Commands.h"
#include "cli/JournalCliKit.h"
#include "cli/JournalLoopJson.h"
#include "common/ReportLanguage.h"
#include "journal/JournalCsv.h"
#include "journal/JournalDesigns.h"
#include "journal/JournalLoop.h"
#include "journal/JournalPeriods.h"
#include "mixdesign/calc/MixForms.h"

namespace orvan::cli {

namespace {

namespace jn = orvan::journal;
namespace ctl = orvan::control;

// --early-age: days, 7 by default; the prediction refuses an age outside 1 to 27.
Outcome<int> earlyAgeOf(const CliRequest& request) {
    if (!request.has("early-age")) return Outcome<int>::done(ctl::kDefaultEarlyAge);
    const std::string& text = request.option("early-age");
    int age = 0;
    for (char c : text) age = c >= '0' && c <= '9' && age < 1000 ? age * 10 + (c - '0') : -1;
    if (text.empty() || age < 0)
        return Outcome<int>::refused("--early-age is a number of days, not '" + text + "'",
                                     MessageStyle::None);
    return Outcome<int>::done(age);
}

// The mix's parties with their early and 28-day means, and the prediction over them.
struct Predicted {
    ctl::EarlyAgeInputs series;
    Outcome<ctl::EarlyAgePrediction> prediction;
};

Outcome<Predicted> predictionOf(const jn::Journal& journal, long long mixId,
                                const CliRequest& request) {
    const Outcome<int> age = earlyAgeOf(request);
    if (!age.ok()) return Outcome<Predicted>::endedAs(age);
    auto series = jn::earlyAgeSeries(journal, mixId, age.values, request.option("from"),
                                     jn::SeriesNames::waitingOnly);
    if (!series.ok()) return Outcome<Predicted>::endedAs(series);
    Predicted out{std::move(series.values), {}};
    out.prediction = ctl::predictStrengths(out.series, kJournalFormat);
    return Outcome<Predicted>::done(std::move(out));
}

CliResult runPredict(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<long long> mix = journalMixId(journal, request.option("mix"));
        if (!mix.ok()) return endedResult(mix);
        const auto predicted = predictionOf(journal, mix.values, request);
        if (!predicted.ok()) return endedResult(predicted);
        return earlyAgeResult(predicted.values.prediction);
    });
}

// The CUSUM of the mix's parties in date order (from --from on), one strength each: its
// 28-day mean, or with --predicted the prediction where the 28-day result is missing.
CliResult runCusum(const CliRequest& request) {
    jn::CusumRequest wanted;
    wanted.from = request.option("from");
    wanted.predicted = request.has("predicted");
    const Outcome<int> age = earlyAgeOf(request);
    if (!age.ok()) return endedResult(age);
    wanted.earlyAge = age.values;
    for (auto [name, figure] : {std::pair{"target", &wanted.target}, {"sigma", &wanted.sigma}}) {
        if (!request.has(name) || request.option(name).empty()) continue;
        const auto given = optionFigure(request, name, std::nullopt);
        if (!given.ok()) return endedResult(given);
        *figure = given.values;
    }
    for (auto [name, figure] : {std::pair{"k", &wanted.k}, {"h", &wanted.h}}) {
        const auto given = optionFigure(request, name, *figure);
        if (!given.ok()) return endedResult(given);
        *figure = given.values;
    }
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<long long> mix = journalMixId(journal, request.option("mix"));
        if (!mix.ok()) return endedResult(mix);
        const auto in = jn::cusumInputs(journal, mix.values, wanted);
        if (!in.ok()) return endedResult(in);
        return seriesCusumResult(ctl::runSeriesCusum(in.values, kJournalFormat));
    });
}

// Every field of the proportioning dialogs as the run took it, "form.field", for the design.
std::vector<jn::DesignField> designFields(const CliRequest& request) {
    std::vector<jn::DesignField> fields;
    for (const Form& form : mixCommandForms())
        for (const auto& [name, text] : request.formTexts(form))
            fields.push_back({form.name + "." + name, text});
    return fields;
}

CliResult runDesign(const CliRequest& request) {
    const std::string name = jn::trimmedName(request.option("name"));
    if (name.empty()) return refusedResult("A design needs a name (--name)");
    const mix::MixOutcome run = runMixRequest(request);
    if (!run.ok()) return endedResult(run);
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<long long> mix = journalMixId(journal, request.option("mix"));
        if (!mix.ok()) return endedResult(mix);
        jn::Design design;
        design.name = name;
        design.fields = designFields(request);
        design.reportLines = run.lines;
        const mix::MixState& m = run.values.mix;
        design.results = {{jn::kWaterCementRatioKey, formatRoundTrip(m.waterCementRatio)},
                          {jn::kWaterContentKey, formatRoundTrip(m.waterContent)},
                          {jn::kCementContentKey, formatRoundTrip(m.cementContent)}};
        if (Outcome<> saved = jn::saveDesign(journal, mix.values, design); !saved.ok())
            return endedResult(saved);
        std::vector<std::string> lines = run.lines;
        lines.push_back(reportText("Saved as the design '%1' of the mix '%2'",
                                   {name, jn::trimmedName(request.option("mix"))}));
        JsonObject values = mixValuesJson(run.values);
        values.string("design", name);
        return doneResult(lines, values);
    });
}

CliResult runDesigns(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<long long> mix = journalMixId(journal, request.option("mix"));
        if (!mix.ok()) return endedResult(mix);
        const auto designs = jn::designSummaries(journal, mix.values);
        if (!designs.ok()) return endedResult(designs);
        std::vector<std::string> lines, objects;
        for (const jn::DesignSummary& d : designs.values) {
            auto shown = [](const std::optional<double>& v) {
                return v ? formatRoundTrip(*v) : std::string("-");
            };
            lines.push_back((d.name.empty() ? std::string("(no name)") : d.name) + "\tW/C " +
                            shown(d.waterCementRatio) + "\tW " + shown(d.waterContent) +
                            " kg\tsaved " + d.savedAt);
            JsonObject object;
            object.string("name", d.name)
                .optionalNumber("waterCementRatio", d.waterCementRatio)
                .optionalNumber("waterContent", d.waterContent);
            objects.push_back(object.str());
        }
        JsonObject values;
        values.raw("designs", jsonArray(objects));
        CliResult result = doneResult(lines, values);
        if (request.json) result.lines.clear();
        return result;
    });
}

std::vector<std::string> splitNames(const std::string& text) {
    std::vector<std::string> names(1);
    for (char c : text) {
        if (c == ',')
            names.emplace_back();
        else
            names.back() += c;
    }
    std::vector<std::string> out;
    for (const std::string& name : names)
        if (!jn::trimmedName(name).empty()) out.push_back(jn::trimmedName(name));
    return out;
}

CliResult runCorrect(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<long long> mix = journalMixId(journal, request.option("mix"));
        if (!mix.ok()) return endedResult(mix);
        jn::CorrectionRequest wanted;
        wanted.designs = splitNames(request.option("designs"));
        if (request.has("required")) {
            const auto required = optionFigure(request, "required", std::nullopt);
            if (!required.ok()) return endedResult(required);
            wanted.required = required.values;
        }
        const auto inputs = jn::designCorrectionInputs(journal, mix.values, wanted);
        if (!inputs.ok()) return endedResult(inputs);
        CliResult result = designCorrectionResult(
            correction::correctFromDesigns(inputs.values.inputs, kJournalFormat));
        if (!result.ok()) return result;
        std::vector<std::string> lines = jn::correctionSourceLines(inputs.values);
        lines.insert(lines.end(), result.lines.begin(), result.lines.end());
        result.lines = std::move(lines);
        return result;
    });
}

CliCommand loopCommand(std::string name, std::string summary, CliResult (*run)(const CliRequest&),
                       std::vector<CliOption> options) {
    CliCommand c;
    c.name = std::move(name);
    c.summary = std::move(summary);
    c.options = std::move(options);
    c.run = run;
    c.required = {"mix"};
    return c;
}

}  // namespace

std::vector<CliCommand> journalLoopCommands() {
    const CliOption earlyAge{"early-age", "the early test age E, days (default 7)", true, "DAYS"};
    const CliOption from{"from", "parties dated on or after the day", true, "YYYY-MM-DD"};
    CliCommand design = loopCommand(
        "design", "runs the proportioning as orvan-cli mix does and saves it as a design",
        runDesign,
        {journalMixOption(),
         {"name", "the design's name", true, "NAME"},
         {"options-file", "load the options from a record like options.slv", true}});
    design.required = {"mix", "name"};
    design.forms = mixCommandForms();
    return {
        loopCommand(
            "cusum", "the CUSUM of the mix's parties in date order", runCusum,
            {journalMixOption(),
             {"target", "T, MPa (blank: the stored period's level)", true, "T"},
             {"sigma", "s, MPa (blank: the stored period's s of a party mean)", true, "S"},
             {"k", "k (default 0.5)", true, "K"},
             {"h", "h (default 5)", true, "H"},
             from,
             {"predicted", "the predicted strength where the 28-day result is missing", false},
             earlyAge}),
        loopCommand("predict", "the 28-day strengths predicted from the early ones", runPredict,
                    {journalMixOption(), earlyAge, from}),
        std::move(design),
        loopCommand("designs", "lists the mix's saved designs", runDesigns, {journalMixOption()}),
        loopCommand("correct", "corrects the mix from the parties of its designs", runCorrect,
                    {journalMixOption(),
                     {"designs",
                      "the designs to take, oldest first (default: every one with "
                      "parties)",
                      true, "D1,D2"},
                     {"required",
                      "the required strength, MPa (blank: the stored period's "
                      "level)",
                      true, "R"}}),
    };
}

}  // namespace orvan::cli
