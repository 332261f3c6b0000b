#include "cli/JournalCli.h"

#include <QCoreApplication>
#include <memory>

#include "cli/Commands.h"
#include "cli/JournalCliKit.h"
#include "common/NumberText.h"
#include "common/ReportLanguage.h"
#include "journal/JournalCsv.h"
#include "journal/JournalExchange.h"
#include "journal/JournalHistory.h"
#include "journal/JournalPeriods.h"
#include "journal/JournalRoles.h"

namespace orvan::cli {

namespace jn = orvan::journal;

namespace {

// Qt SQL loads its drivers as plugins, which needs an application object.
void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "orvan-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(jn::kProgramName);
}

QString locationOf(const CliRequest& request) {
    return request.has("db") ? QString::fromStdString(request.option("db"))
                             : jn::configuredJournalLocation();
}

}  // namespace

CliResult withJournal(const CliRequest& request,
                      const std::function<CliResult(jn::Journal&)>& work) {
    ensureApplication();
    auto opened = jn::Journal::open(locationOf(request));
    if (!opened.ok()) return endedResult(opened);
    return work(*opened.values);
}

Outcome<long long> journalMixId(const jn::Journal& journal, const std::string& name) {
    const auto mix = journal.findMix(name);
    if (!mix.ok()) return Outcome<long long>::endedAs(mix);
    if (!mix.values)
        return Outcome<long long>::failed(
            reportText("There is no mix '%1' in the journal", {jn::trimmedName(name)}));
    return Outcome<long long>::done(mix.values->id);
}

Outcome<double> optionFigure(const CliRequest& request, const char* name,
                             std::optional<double> fallback, const std::string& missing) {
    if (!request.has(name) || request.option(name).empty()) {
        if (fallback) return Outcome<double>::done(*fallback);
        return Outcome<double>::refused(std::string("--") + name + " is needed" + missing,
                                        MessageStyle::None);
    }
    const std::optional<double> value = jn::parseStrength(request.option(name));
    if (!value)
        return Outcome<double>::refused(
            std::string("--") + name + " is a number, not '" + request.option(name) + "'",
            MessageStyle::None);
    return Outcome<double>::done(*value);
}

CliOption journalMixOption(const char* help) {
    return {"mix", help, true, "NAME"};
}

namespace {

std::string checkLayoutAndDay(const CliRequest& request) {
    if (request.has("layout") && !jn::layoutByName(request.option("layout")))
        return "--layout is 5x6 or 10x3, not '" + request.option("layout") + "'";
    for (const char* day : {"until", "from", "to"})
        if (request.has(day) && !jn::isIsoDate(request.option(day)))
            return std::string("--") + day + " is a day YYYY-MM-DD, not '" + request.option(day) +
                   "'";
    return {};
}

CliResult runInit(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        std::vector<std::string> lines{
            reportText("Journal ready: %1", {jn::shownLocation(journal.location())})};
        if (!journal.isPostgres()) return doneResult(lines);
        if (request.has("grant")) {
            if (Outcome<> granted = jn::applyRoleGrants(journal); !granted.ok())
                return endedResult(granted);
            lines.push_back("Granted the journal's tables to the roles " + jn::joinedRoleNames());
            return doneResult(lines);
        }
        lines.push_back("The grants of the journal's three roles (apply them with --grant):");
        for (const std::string& statement : jn::roleGrants()) lines.push_back(statement + ";");
        return doneResult(lines);
    });
}

CliResult runImport(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const jn::ImportOutcome outcome =
            jn::importCsvFile(journal, QString::fromStdString(request.operands[0]));
        const jn::ImportValues& added = outcome.values;
        if (!outcome.ok()) {
            std::string message;
            for (const auto& problem : added.problems) message += problem + "\n";
            message += outcome.message;
            if (!message.empty() && message.back() == '\n') message.pop_back();
            return failedResult(message);
        }
        std::vector<std::string> lines = added.notes;
        lines.push_back(
            reportText("Added %1 parties and %2 extracts (%3 new mixes)",
                       {std::to_string(added.partiesAdded), std::to_string(added.extractsAdded),
                        std::to_string(added.mixesAdded)}));
        if (added.partiesCompleted > 0)
            lines.push_back(
                reportText("Added results of another age to %1 parties already in the journal",
                           {std::to_string(added.partiesCompleted)}));
        return doneResult(lines);
    });
}

CliResult runExport(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<> written = jn::exportCsvFile(
            journal, QString::fromStdString(request.operands[0]), request.option("mix"));
        return written.ok() ? doneResult({}) : endedResult(written);
    });
}

CliResult runCopy(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        auto destination = jn::Journal::open(QString::fromStdString(request.operands[0]));
        if (!destination.ok()) return endedResult(destination);
        const auto copied = jn::copyJournal(journal, *destination.values);
        if (!copied.ok()) return endedResult(copied);
        const jn::CopyValues& c = copied.values;
        JsonObject values;
        values.integer("mixes", c.mixes)
            .integer("parties", c.parties)
            .integer("extracts", c.extracts)
            .integer("events", c.events);
        return doneResult(
            {reportText(
                "Copied %1 mixes, %2 parties, %3 extracts and %4 events into %5",
                {std::to_string(c.mixes), std::to_string(c.parties), std::to_string(c.extracts),
                 std::to_string(c.events), jn::shownLocation(destination.values->location())})},
            values);
    });
}

CliResult runCheck(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        if (Outcome<> checked = journal.check(); !checked.ok()) return endedResult(checked);
        return doneResult(
            {reportText("The journal is sound: %1", {jn::shownLocation(journal.location())})});
    });
}

CliResult runMixes(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const auto mixes = journal.mixes();
        if (!mixes.ok()) return endedResult(mixes);
        std::vector<std::string> lines, objects;
        for (const jn::Mix& mix : mixes.values) {
            lines.push_back(mix.name + "\tB " + (mix.classText.empty() ? "-" : mix.classText) +
                            "\t" + (mix.layout.empty() ? "-" : mix.layout) + "\t" +
                            std::to_string(mix.partyCount) + " parties");
            JsonObject object;
            object.string("name", mix.name)
                .string("class", mix.classText)
                .string("layout", mix.layout)
                .integer("parties", mix.partyCount);
            objects.push_back(object.str());
        }
        JsonObject values;
        values.raw("mixes", jsonArray(objects));
        CliResult result = doneResult(lines, values);
        // The listing's JSON is the mixes alone.
        if (request.json) result.lines.clear();
        return result;
    });
}

std::string partiesJson(const std::vector<analysed::PartySource>& parties, bool extracts) {
    std::vector<std::string> objects;
    for (const auto& party : parties) {
        JsonObject object;
        object.string("party", party.number).string("date", party.date);
        if (extracts) object.integer("extracts", party.extracts);
        objects.push_back(object.str());
    }
    return jsonArray(objects);
}

CliResult runAnalyse(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<long long> mix = journalMixId(journal, request.option("mix"));
        if (!mix.ok()) return endedResult(mix);
        const auto& layout = *jn::layoutByName(request.option("layout"));
        const jn::JournalAnalysis analysis =
            jn::analyseFromJournal(journal, mix.values, layout, request.option("class"),
                                   request.option("until"), kJournalFormat);
        if (!analysis.ok()) {
            CliResult ended = endedResult(analysis);
            if (analysis.values.end == jn::AnalysisEnd::NoClass) ended.message += " (--class)";
            return ended;
        }
        if (request.has("save"))
            if (Outcome<> saved = jn::saveAnalysedPeriod(journal, analysis); !saved.ok())
                return endedResult(saved);
        CliResult result = analysedPeriodResult(layout, analysis.values.run.result, kJournalFormat);
        const analysed::PeriodSources sources = jn::periodSources(analysis);
        std::vector<std::string> lines = analysed::periodSourceLines(sources);
        lines.insert(lines.end(), result.lines.begin(), result.lines.end());
        result.lines = std::move(lines);
        result.values.raw("parties", partiesJson(sources.used, false))
            .raw("skipped", partiesJson(sources.skipped, true));
        return result;
    });
}

CliResult runChart(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<long long> mix = journalMixId(journal, request.option("mix"));
        if (!mix.ok()) return endedResult(mix);
        const auto period = jn::controlledPeriod(journal, mix.values);
        if (!period.ok()) return endedResult(period);
        if (!period.values.period)
            return refusedResult("The mix '" + jn::trimmedName(request.option("mix")) +
                                 "' has no stored analysed period: run journal analyse --save "
                                 "first");
        return controlChartResult(jn::chartFromJournal(period.values), kJournalFormat);
    });
}

std::string eventJson(const jn::HistoryEvent& e) {
    JsonObject object;
    object.integer("id", e.id)
        .string("time", e.time)
        .string("user", e.role.empty() ? e.user : e.user + " (" + e.role + ")")
        .string("action", e.action)
        .string("mix", e.mix)
        .string("parties", e.parties)
        .string("before", e.before)
        .string("after", e.after)
        .string("reason", e.reason);
    return object.str();
}

CliResult runHistory(const CliRequest& request) {
    return withJournal(request, [&](jn::Journal& journal) {
        const auto events = jn::readHistory(
            journal, {request.option("mix"), request.option("from"), request.option("to")});
        if (!events.ok()) return endedResult(events);
        std::vector<std::string> lines, objects;
        for (const jn::HistoryEvent& e : events.values) {
            lines.push_back(std::to_string(e.id) + "\t" + e.time + "\t" + e.user +
                            (e.role.empty() ? "" : " (" + e.role + ")") + "\t" + e.action + "\t" +
                            e.mix + "\t" + e.parties + (e.reason.empty() ? "" : "\t" + e.reason));
            objects.push_back(eventJson(e));
        }
        JsonObject values;
        values.raw("events", jsonArray(objects));
        CliResult result = doneResult(lines, values);
        if (request.json) result.lines.clear();
        return result;
    });
}

CliResult runUndo(const CliRequest& request) {
    long long id = 0;
    const std::string& text = request.operands[0];
    for (char c : text)
        id = c >= '0' && c <= '9' && id < 1'000'000'000'000 ? id * 10 + (c - '0') : -1;
    if (id <= 0) return refusedResult("The event is given by its number, not '" + text + "'");
    return withJournal(request, [&](jn::Journal& journal) {
        const Outcome<> undone = jn::undoEvent(journal, id, request.option("reason"));
        if (!undone.ok()) return endedResult(undone);
        return doneResult({reportText("Undone: event %1", {text})});
    });
}

}  // namespace

CliGroup journalGroup() {
    const CliOption layout{"layout", "the sampling layout, 5x6 or 10x3", true, "5x6|10x3"};
    const CliOption reason{"reason", "why (kept in the history)", true, "TEXT"};
    CliGroup group;
    group.name = "journal";
    group.summary = "the strength journal: orvan-cli journal --help";
    group.shared = {{"db",
                     "an SQLite file or postgresql://user@host[:port]/dbname (the password from "
                     "~/.pgpass); by default the program's own journal (settings key "
                     "journal/location)",
                     true, "PATH|URL"}};
    group.notes =
        "CSV: the header date,mix,party,extract,strength, ISO dates, a point as decimal separator\n"
        "(or date;mix;party;extract;strength with decimal commas); two more columns may follow:\n"
        "age (the test age in days, 28 without it) and design (the saved design of the party).\n";
    auto command = [](std::string name, std::string summary, CliResult (*run)(const CliRequest&),
                      std::vector<CliOption> options = {}, std::vector<std::string> operands = {},
                      std::vector<std::string> required = {}) {
        CliCommand c{std::move(name),
                     std::move(summary),
                     {},
                     std::move(options),
                     run,
                     std::move(operands),
                     std::move(required),
                     checkLayoutAndDay,
                     false};
        return c;
    };
    group.commands = {
        command("init", "opens (and makes) the journal; on PostgreSQL prints the roles' grants",
                runInit, {{"grant", "apply the grants of the three roles", false}}),
        command("import", "adds the parties of a CSV file, all or nothing", runImport, {},
                {"FILE.csv"}),
        command("export", "writes the extracts as CSV", runExport,
                {journalMixOption("only this mix")}, {"FILE.csv"}),
        command("copy", "copies the whole journal into a new or empty one", runCopy, {}, {"DEST"}),
        command("check", "checks the journal's pages and rows", runCheck),
        command("mixes", "lists the mixes", runMixes),
        command("analyse", "the analysed period from the latest parties", runAnalyse,
                {journalMixOption(),
                 layout,
                 {"class", "the class B, MPa", true, "B"},
                 {"until", "parties dated on or before the day", true, "YYYY-MM-DD"},
                 {"save", "store it as the mix's analysed period", false}},
                {}, {"mix", "layout"}),
        command("chart", "the control chart of every party after the stored period", runChart,
                {journalMixOption()}, {}, {"mix"}),
        command("history", "every change, oldest first", runHistory,
                {journalMixOption("only this mix"),
                 {"from", "from the day", true, "YYYY-MM-DD"},
                 {"to", "up to the day", true, "YYYY-MM-DD"}}),
        command("undo", "undoes a change of the history", runUndo, {reason}, {"EVENT-ID"}),
    };
    for (CliCommand& loop : journalLoopCommands()) {
        loop.check = checkLayoutAndDay;
        loop.readsDecimalSeparator = false;
        group.commands.push_back(std::move(loop));
    }
    return group;
}

}  // namespace orvan::cli
