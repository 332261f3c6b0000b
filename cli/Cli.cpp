#include "cli/Cli.h"

#include <algorithm>
#include <ostream>

#include "common/NumberText.h"

namespace orvan::cli {

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitRefused = 3;

std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t above = row[j];
            bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Every field a command knows, as "form.field".
std::vector<std::string> qualifiedNames(const CliCommand& command) {
    std::vector<std::string> names;
    for (const auto& form : command.forms)
        for (const auto& field : form.fields()) names.push_back(form.name + "." + field.name);
    return names;
}

std::string nearestFields(const CliCommand& command, const std::string& name) {
    auto names = qualifiedNames(command);
    auto distance = [&](const std::string& qualified) {
        std::string bare = qualified.substr(qualified.find('.') + 1);
        return std::min(editDistance(name, qualified), editDistance(name, bare));
    };
    std::stable_sort(names.begin(), names.end(), [&](const auto& a, const auto& b) {
        return distance(a) < distance(b);
    });
    if (names.size() > 3) names.resize(3);
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

// NAME (bare or "form.field") resolved to "form.field", or why it cannot be.
struct ResolvedField {
    std::string qualified;
    std::string error;
};

ResolvedField resolveField(const CliCommand& command, const std::string& name) {
    std::vector<std::string> matches;
    for (const auto& qualified : qualifiedNames(command)) {
        std::string bare = qualified.substr(qualified.find('.') + 1);
        if (qualified == name || bare == name) matches.push_back(qualified);
    }
    if (matches.size() == 1) return {matches.front(), {}};
    std::string error;
    if (matches.empty()) {
        error = "unknown field '" + name + "'";
        std::string near = nearestFields(command, name);
        if (!near.empty()) error += "; nearest known fields: " + near;
    } else {
        error = "field '" + name + "' belongs to several dialogs; write one of: ";
        for (std::size_t i = 0; i < matches.size(); ++i) error += (i ? ", " : "") + matches[i];
    }
    return {{}, error};
}

void printUsage(const std::vector<CliCommand>& table, std::ostream& out) {
    out << "Usage: orvan-cli COMMAND [NAME=TEXT ...] [--json] [--decimal-separator=C]\n"
           "       orvan-cli COMMAND --help\n\n"
           "NAME is a field's component name as in its dialog (qualify it as DIALOG.NAME\n"
           "where two dialogs share one); TEXT is what a user would type, a radio group's\n"
           "item index for a radio group. Fields not given keep their dialog's default.\n\n"
           "Commands:\n";
    for (const auto& command : table)
        out << "  " << command.name << std::string(22 - std::min<std::size_t>(command.name.size(), 21), ' ')
            << command.summary << "\n";
    out << "  journal               the strength journal: orvan-cli journal --help\n";
    out << "\nExit codes: 0 done, 1 the calculation failed, 2 usage error, 3 refused or cancelled.\n";
}

void printCommandHelp(const CliCommand& command, std::ostream& out) {
    out << "orvan-cli " << command.name << ": " << command.summary << "\n";
    for (const auto& form : command.forms) {
        out << "\nDialog " << form.name << ":\n";
        for (const auto& field : form.fields())
            out << "  " << form.name << "." << field.name << "  \"" << field.listedCaption()
                << "\"  default \"" << field.defaultText << "\"\n";
    }
    out << "\nOptions:\n  --json  print the computed values and the lines as one JSON object\n"
           "  --decimal-separator=C  the decimal separator of input and report (default '.')\n";
    for (const auto& option : command.options)
        out << "  --" << option.name << (option.takesValue ? " VALUE" : "") << "  " << option.help
            << "\n";
}

const CliOption* findOption(const CliCommand& command, const std::string& name) {
    for (const auto& option : command.options)
        if (option.name == name) return &option;
    return nullptr;
}

// Parses the words after COMMAND into `request`; returns an error text or "".
std::string parseArguments(const CliCommand& command, const std::vector<std::string>& args,
                           CliRequest* request) {
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            request->json = true;
        } else if (arg.rfind("--decimal-separator=", 0) == 0) {
            std::string value = arg.substr(20);
            if (value.size() != 1) return "--decimal-separator takes one character";
            request->format.decimal = value[0];
        } else if (arg.rfind("--", 0) == 0) {
            std::string name = arg.substr(2), value;
            bool inlineValue = false;
            if (auto eq = name.find('='); eq != std::string::npos) {
                value = name.substr(eq + 1), name = name.substr(0, eq), inlineValue = true;
            }
            const CliOption* option = findOption(command, name);
            if (!option) return "unknown option '--" + name + "'";
            if (option->takesValue && !inlineValue) {
                if (i + 1 >= args.size()) return "--" + name + " needs a value";
                value = args[++i];
            }
            request->options[name] = value;
        } else if (auto eq = arg.find('='); eq != std::string::npos && eq > 0) {
            const ResolvedField field = resolveField(command, arg.substr(0, eq));
            if (field.qualified.empty()) return field.error;
            request->fields[field.qualified] = arg.substr(eq + 1);
        } else {
            return "expected NAME=TEXT or an option, got '" + arg + "'";
        }
    }
    return {};
}

}  // namespace

FieldTexts CliRequest::formTexts(const Form& form) const {
    FieldTexts texts = defaultTexts(form);
    for (const auto& field : form.fields())
        if (auto it = fields.find(form.name + "." + field.name); it != fields.end())
            texts[field.name] = it->second;
    return texts;
}

CliResult doneResult(std::vector<std::string> lines, JsonObject values) {
    return CliResult::done(std::move(values), std::move(lines));
}
CliResult failedResult(const std::string& message) {
    return CliResult::failed(message, MessageStyle::None);
}
CliResult refusedResult(const std::string& message) {
    return CliResult::refused(message, MessageStyle::None);
}

int emitResult(const CliResult& result, bool json, std::ostream& out, std::ostream& err) {
    if (!result.ok()) {
        err << result.message << "\n";
        return result.kind == OutcomeKind::Failed ? kExitFailed : kExitRefused;
    }
    if (json) {
        JsonObject values = result.values;
        values.strings("lines", result.lines);
        out << values.str() << "\n";
    } else {
        for (const auto& line : result.lines) out << line << "\n";
    }
    return 0;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runCli(commandTable(), args, out, err);
}

int runCli(const std::vector<CliCommand>& table, const std::vector<std::string>& args,
           std::ostream& out, std::ostream& err) {
    if (args.size() < 2 || args[1] == "--help" || args[1] == "-h" || args[1] == "help") {
        printUsage(table, args.size() < 2 ? err : out);
        return args.size() < 2 ? kExitUsage : 0;
    }
    auto command = std::find_if(table.begin(), table.end(),
                                [&](const CliCommand& c) { return c.name == args[1]; });
    if (command == table.end()) {
        err << "orvan-cli: unknown command '" << args[1] << "'\n";
        printUsage(table, err);
        return kExitUsage;
    }
    if (std::find(args.begin() + 2, args.end(), "--help") != args.end()) {
        printCommandHelp(*command, out);
        return 0;
    }
    CliRequest request;
    if (std::string error = parseArguments(*command, args, &request); !error.empty()) {
        err << "orvan-cli " << command->name << ": " << error << "\n";
        return kExitUsage;
    }
    CliResult result;
    try {
        result = command->run(request);
    } catch (const Fault& fault) {  // a fault the command did not catch itself
        result = failedResult(fault.what());
    }
    return emitResult(result, request.json, out, err);
}

}  // namespace orvan::cli
