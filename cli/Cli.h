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

namespace orvan::cli {

struct CliOption {
    std::string name;  // without the leading "--"
    std::string help;
    bool takesValue = true;
};

struct CliRequest {
    // Given field texts, keyed "form.field" (the dialog's and the field's component names).
    FieldTexts fields;
    // Given options, keyed by name without "--"; a flag without a value maps to "".
    std::map<std::string, std::string> options;
    bool json = false;

    // The texts of one dialog: its defaults overlaid with what was given.
    FieldTexts formTexts(const Form& form) const;
    bool has(const std::string& option) const { return options.count(option) != 0; }
};

struct CliResult {
    OutcomeKind kind = OutcomeKind::Done;
    std::vector<std::string> lines;  // the report's lines
    JsonObject values;               // the computed values for --json ("lines" is added)
    std::string message;             // what the program would show, when not Done

    static CliResult failed(const std::string& message);     // exit 1
    static CliResult refused(const std::string& message);    // exit 3
    static CliResult cancelled(const std::string& message);  // exit 3
};

struct CliCommand {
    std::string name;
    std::string summary;
    std::vector<Form> forms;  // the dialogs whose fields the command takes
    std::vector<CliOption> options;
    std::function<CliResult(const CliRequest&)> run;
};

// The command table: the one place that lists every command (Commands.cpp).
std::vector<CliCommand> commandTable();

// The whole tool; returns the exit code (0 done, 1 failed, 2 usage, 3 refused or cancelled).
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same over a given table (tests).
int runCli(const std::vector<CliCommand>& table, const std::vector<std::string>& args,
           std::ostream& out, std::ostream& err);

}  // namespace orvan::cli
