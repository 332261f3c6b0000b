#pragma once
// orvan-cli: the calculations of the program from the command line, over the same core.
//   orvan-cli COMMAND [NAME=TEXT ...] [--json] [--decimal-separator=C] [--OPTION VALUE ...]
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "common/Fault.h"
#include "common/Form.h"
#include "common/Json.h"
#include "common/NumberText.h"
#include "common/Outcome.h"

namespace orvan::cli {

struct CliOption {
    std::string name;  // without the leading "--"
    std::string help;
    bool takesValue = true;
    std::string valueName = "VALUE";  // how --help names the value
};

struct CliRequest {
    // Given field texts, keyed "form.field" (the dialog's and the field's component names).
    FieldTexts fields;
    // The words that are neither a field nor an option, in order (file names).
    std::vector<std::string> operands;
    // Given options, keyed by name without "--"; a flag without a value maps to "".
    std::map<std::string, std::string> options;
    bool json = false;
    NumberFormat format;  // --decimal-separator; a point by default

    // The texts of one dialog: its defaults overlaid with what was given.
    FieldTexts formTexts(const Form& form) const;
    bool has(const std::string& option) const { return options.count(option) != 0; }
    // The option's value, "" when not given.
    std::string option(const std::string& name) const;
};

// A command's result: the core's outcome with the computed values for --json ("lines" is
// added). When not Done, `message` is what the program would show.
using CliResult = Outcome<JsonObject>;

CliResult doneResult(std::vector<std::string> lines, JsonObject values = {});
CliResult failedResult(const std::string& message);   // exit 1
CliResult refusedResult(const std::string& message);  // exit 3

// A core outcome as the command's result: its kind, message and lines, and when Done the
// --json values `fill(json, outcome.values)` writes. A cancelled run says "cancelled".
template <class Values, class Fill>
CliResult resultOf(const Outcome<Values>& outcome, Fill fill) {
    CliResult result{outcome.kind, outcome.message, outcome.style, {}, outcome.lines};
    if (outcome.kind == OutcomeKind::Cancelled && result.message.empty())
        result.message = "cancelled";
    if (outcome.ok()) fill(result.values, outcome.values);
    return result;
}

// An outcome that did not end Done, as the command's result with its kind kept (failed exits
// 1, refused 3).
template <class Values>
CliResult endedResult(const Outcome<Values>& outcome) {
    return resultOf(outcome, [](JsonObject&, const Values&) {});
}

// The one way a result leaves the tool: when Done its lines on `out` (or, with `json`, its
// values and lines as one JSON object), otherwise its message on `err`. Returns the exit code:
// 0 done, 1 failed, 3 refused or cancelled.
int emitResult(const CliResult& result, bool json, std::ostream& out, std::ostream& err);

struct CliCommand {
    std::string name;
    std::string summary;
    std::vector<Form> forms;  // the dialogs whose fields the command takes
    std::vector<CliOption> options;
    std::function<CliResult(const CliRequest&)> run;
    // The words it takes besides fields and options, by name ("FILE.csv"); exactly these many.
    std::vector<std::string> operands = {};
    // Options that must be given.
    std::vector<std::string> required = {};
    // Why the given words make no request ("" when they do): a usage error, exit 2.
    std::function<std::string(const CliRequest&)> check = {};
    bool readsDecimalSeparator = true;  // --decimal-separator
};

// Commands under one word (orvan-cli journal VERB ...), with options every one of them takes
// (--db) and a few lines of notes for the group's --help.
struct CliGroup {
    std::string name;
    std::string summary;
    std::vector<CliOption> shared;
    std::vector<CliCommand> commands;
    std::string notes;
};

// The command table: the one place that lists every command (Commands.cpp).
std::vector<CliCommand> commandTable();

// The whole tool over the command table and `groups` (orvan-cli journal); returns the exit code
// (0 done, 1 failed, 2 usage, 3 refused or cancelled).
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::vector<CliGroup>& groups = {});
// The same over a given table (tests).
int runCli(const std::vector<CliCommand>& table, const std::vector<std::string>& args,
           std::ostream& out, std::ostream& err, const std::vector<CliGroup>& groups = {});

}  // namespace orvan::cli
