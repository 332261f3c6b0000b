#include "cli/JournalCli.h"

#include <QCoreApplication>
#include <map>
#include <memory>
#include <ostream>
#include <set>

#include "cli/Commands.h"
#include "common/NumberText.h"
#include "journal/JournalCsv.h"
#include "journal/JournalExchange.h"
#include "journal/JournalPeriods.h"

namespace orvan::cli {

namespace {

namespace jn = orvan::journal;

constexpr int kFailed = 1, kUsage = 2, kRefused = 3;

// The journal's commands take no --decimal-separator: they read and write with a point.
constexpr NumberFormat kJournalFormat{};

constexpr const char* kUsageText =
    "Usage: orvan-cli journal [--db PATH|URL] init\n"
    "       orvan-cli journal [--db PATH|URL] import FILE.csv\n"
    "       orvan-cli journal [--db PATH|URL] export FILE.csv [--mix NAME]\n"
    "       orvan-cli journal [--db PATH|URL] mixes [--json]\n"
    "       orvan-cli journal [--db PATH|URL] analyse --mix NAME --layout 5x6|10x3 [--class B]\n"
    "                         [--until YYYY-MM-DD] [--save] [--json]\n"
    "       orvan-cli journal [--db PATH|URL] chart --mix NAME [--json]\n\n"
    "--db: an SQLite file or postgresql://user@host[:port]/dbname (the password from\n"
    "~/.pgpass); by default the program's own journal (settings key journal/location).\n"
    "CSV: the header date,mix,party,extract,strength, ISO dates, a point as decimal separator.\n";

struct Request {
    std::string db, verb;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // without "--"; flags map to ""
    bool has(const std::string& name) const { return options.count(name) != 0; }
    std::string get(const std::string& name) const {
        auto it = options.find(name);
        return it == options.end() ? std::string() : it->second;
    }
};

// The options of each verb; true: takes a value.
const std::map<std::string, std::map<std::string, bool>>& verbs() {
    static const std::map<std::string, std::map<std::string, bool>> table = {
        {"init", {}},
        {"import", {}},
        {"export", {{"mix", true}}},
        {"mixes", {{"json", false}}},
        {"analyse",
         {{"mix", true},
          {"layout", true},
          {"class", true},
          {"until", true},
          {"save", false},
          {"json", false}}},
        {"chart", {{"mix", true}, {"json", false}}},
    };
    return table;
}

// The request the arguments make, or why they make none.
struct ParsedRequest {
    Request request;
    std::string error;  // "" when the arguments are good
};

ParsedRequest parse(const std::vector<std::string>& args) {
    ParsedRequest parsed;
    Request& request = parsed.request;
    auto fail = [&parsed](std::string error) {
        parsed.error = std::move(error);
        return parsed;
    };
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (request.verb.empty()) {
                if (!verbs().count(arg)) return fail("unknown journal command '" + arg + "'");
                request.verb = arg;
            } else {
                request.positional.push_back(arg);
            }
            continue;
        }
        std::string name = arg.substr(2), value;
        const auto eq = name.find('=');
        if (eq != std::string::npos) value = name.substr(eq + 1), name = name.substr(0, eq);
        bool takesValue = name == "db";
        if (name != "db") {
            if (request.verb.empty()) return fail("--" + name + " comes after the journal command");
            const auto& known = verbs().at(request.verb);
            auto it = known.find(name);
            if (it == known.end())
                return fail("unknown option '--" + name + "' of journal " + request.verb);
            takesValue = it->second;
        }
        if (takesValue && eq == std::string::npos) {
            if (i + 1 >= args.size()) return fail("--" + name + " needs a value");
            value = args[++i];
        }
        (name == "db" ? request.db : request.options[name]) = value;
    }
    if (request.verb.empty()) return fail("a journal command is needed");
    const std::size_t wanted = request.verb == "import" || request.verb == "export" ? 1 : 0;
    if (request.positional.size() != wanted)
        return fail("journal " + request.verb + " takes " +
                    (wanted ? std::string("one file name") : std::string("no file name")));
    for (const char* needed : {"mix", "layout"})
        if ((request.verb == "analyse" || (request.verb == "chart" && needed[0] == 'm')) &&
            !request.has(needed))
            return fail("journal " + request.verb + " needs --" + needed);
    if (request.has("layout") && !jn::layoutByName(request.get("layout")))
        return fail("--layout is 5x6 or 10x3, not '" + request.get("layout") + "'");
    if (request.has("until") && !jn::isIsoDate(request.get("until")))
        return fail("--until is a day YYYY-MM-DD, not '" + request.get("until") + "'");
    return parsed;
}

int runImport(jn::Journal& journal, const Request& request, std::ostream& out, std::ostream& err) {
    const jn::ImportOutcome outcome =
        jn::importCsvFile(journal, QString::fromStdString(request.positional[0]));
    const jn::ImportValues& added = outcome.values;
    for (const auto& problem : added.problems) err << problem << "\n";
    if (!outcome.message.empty()) err << outcome.message << "\n";
    if (!outcome.ok()) return kFailed;
    out << "Added " << added.partiesAdded << " parties and " << added.extractsAdded << " extracts ("
        << added.mixesAdded << " new mixes)\n";
    return 0;
}

int runMixes(const jn::Journal& journal, const Request& request, std::ostream& out) {
    std::vector<std::string> objects;
    for (const jn::Mix& mix : journal.mixes()) {
        if (!request.has("json")) {
            out << mix.name << "\tB " << (mix.classText.empty() ? "-" : mix.classText) << "\t"
                << (mix.layout.empty() ? "-" : mix.layout) << "\t" << mix.partyCount
                << " parties\n";
            continue;
        }
        JsonObject object;
        object.string("name", mix.name)
            .string("class", mix.classText)
            .string("layout", mix.layout)
            .integer("parties", mix.partyCount);
        objects.push_back(object.str());
    }
    if (request.has("json")) out << JsonObject().raw("mixes", jsonArray(objects)).str() << "\n";
    return 0;
}

int runAnalyse(jn::Journal& journal, const Request& request, std::ostream& out, std::ostream& err) {
    const jn::JournalAnalysis analysis =
        jn::analyseFromJournal(journal, request.get("mix"), request.get("layout"),
                               request.get("class"), request.get("until"), kJournalFormat);
    switch (analysis.values.end) {
        case jn::AnalysisEnd::Done:
            break;
        case jn::AnalysisEnd::NoClass:
            err << analysis.message << " (--class)\n";
            return kUsage;
        case jn::AnalysisEnd::TooFewParties:
            err << analysis.message << "\n";
            return kRefused;
        default:
            err << analysis.message << "\n";
            return kFailed;
    }
    if (request.has("save")) {
        if (jn::Status saved = jn::saveAnalysedPeriod(journal, analysis); !saved) {
            err << saved.message << "\n";
            return kFailed;
        }
    }
    const auto& layout = *jn::layoutByName(analysis.values.layoutName);
    return emitResult(analysedPeriodResult(layout, analysis.values.run.result, kJournalFormat),
                      request.has("json"), out, err);
}

int runChart(const jn::Journal& journal, const Request& request, std::ostream& out,
             std::ostream& err) {
    const auto mix = journal.findMix(request.get("mix"));
    if (!mix) {
        err << "There is no mix '" << request.get("mix") << "' in the journal\n";
        return kFailed;
    }
    const jn::ControlledPeriod period = jn::controlledPeriod(journal, mix->id);
    if (!period.period) {
        err << "The mix '" << mix->name
            << "' has no stored analysed period: run journal analyse --save first\n";
        return kRefused;
    }
    return emitResult(controlChartResult(jn::chartFromJournal(period), kJournalFormat),
                      request.has("json"), out, err);
}

// Qt SQL loads its drivers as plugins, which needs an application object.
void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "orvan-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(jn::kProgramName);
}

}  // namespace

int runJournalCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 3 && (args[2] == "--help" || args[2] == "-h")) {
        out << kUsageText;
        return 0;
    }
    const auto [request, error] = parse(args);
    if (!error.empty()) {
        err << "orvan-cli journal: " << error << "\n" << kUsageText;
        return kUsage;
    }
    ensureApplication();
    const QString location =
        request.db.empty() ? jn::configuredJournalLocation() : QString::fromStdString(request.db);
    auto [journal, message] = jn::Journal::open(location);
    if (!journal) {
        err << message << "\n";
        return kFailed;
    }
    if (request.verb == "init") {
        out << "Journal ready: " << location.toStdString() << "\n";
        return 0;
    }
    if (request.verb == "import") return runImport(*journal, request, out, err);
    if (request.verb == "mixes") return runMixes(*journal, request, out);
    if (request.verb == "analyse") return runAnalyse(*journal, request, out, err);
    if (request.verb == "chart") return runChart(*journal, request, out, err);
    const jn::Status status = jn::exportCsvFile(
        *journal, QString::fromStdString(request.positional[0]), request.get("mix"));
    if (!status) {
        err << status.message << "\n";
        return kFailed;
    }
    return 0;
}

}  // namespace orvan::cli
