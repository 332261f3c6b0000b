#include "cli/Cli.h"

#include <algorithm>
#include <ostream>

#include "common/NumberText.h"
#include "common/ReportLanguage.h"

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
    std::stable_sort(names.begin(), names.end(),
                     [&](const auto& a, const auto& b) { return distance(a) < distance(b); });
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

const CliOption* findOption(const std::vector<CliOption>& options, const std::string& name) {
    for (const auto& option : options)
        if (option.name == name) return &option;
    return nullptr;
}

void printCommandList(const std::vector<CliCommand>& commands, std::ostream& out) {
    for (const auto& command : commands)
        out << "  " << command.name
            << std::string(22 - std::min<std::size_t>(command.name.size(), 21), ' ')
            << command.summary << "\n";
}

constexpr const char* kLangOption = "--lang=";

constexpr const char* kExitCodes =
    "\nExit codes: 0 done, 1 the calculation failed, 2 usage error, 3 refused or cancelled.\n";

void printUsage(const std::vector<CliCommand>& table, const std::vector<CliGroup>& groups,
                std::ostream& out) {
    out << "Usage: orvan-cli COMMAND [NAME=TEXT ...] [--json] [--decimal-separator=C] "
           "[--lang=en|ru]\n"
           "       orvan-cli COMMAND --help\n\n"
           "NAME is a field's component name as in its dialog (qualify it as DIALOG.NAME\n"
           "where two dialogs share one); TEXT is what a user would type, a radio group's\n"
           "item index for a radio group. Fields not given keep their dialog's default.\n\n"
           "Commands:\n";
    printCommandList(table, out);
    for (const auto& group : groups)
        out << "  " << group.name
            << std::string(22 - std::min<std::size_t>(group.name.size(), 21), ' ') << group.summary
            << "\n";
    out << kExitCodes;
}

std::string sharedUsage(const CliGroup& group) {
    std::string out;
    for (const auto& option : group.shared)
        out += " [--" + option.name + (option.takesValue ? " " + option.valueName : "") + "]";
    return out;
}

void printGroupUsage(const CliGroup& group, std::ostream& out) {
    out << "Usage: orvan-cli " << group.name << sharedUsage(group)
        << " COMMAND [--OPTION VALUE ...] [--json]\n"
        << "       orvan-cli " << group.name << " COMMAND --help\n\nCommands:\n";
    printCommandList(group.commands, out);
    out << "\nOptions of every command:\n";
    for (const auto& option : group.shared)
        out << "  --" << option.name << (option.takesValue ? " " + option.valueName : "") << "  "
            << option.help << "\n";
    out << "  --json  print the values and the lines as one JSON object\n";
    if (!group.notes.empty()) out << "\n" << group.notes;
    out << kExitCodes;
}

void printCommandHelp(const CliCommand& command, const std::string& prefix, std::ostream& out) {
    out << prefix << command.name << ": " << command.summary << "\n";
    if (!command.operands.empty() || !command.required.empty()) {
        out << "Usage: " << prefix << command.name;
        for (const auto& operand : command.operands) out << " " << operand;
        for (const auto& name : command.required)
            if (const CliOption* option = findOption(command.options, name))
                out << " --" << name << " " << option->valueName;
        out << "\n";
    }
    for (const auto& form : command.forms) {
        out << "\nDialog " << form.name << ":\n";
        for (const auto& field : form.fields())
            out << "  " << form.name << "." << field.name << "  \"" << field.listedCaption()
                << "\"  default \"" << field.defaultText << "\"\n";
    }
    out << "\nOptions:\n  --json  print the computed values and the lines as one JSON object\n";
    if (command.readsDecimalSeparator)
        out << "  --decimal-separator=C  the decimal separator of input and report (default '.')\n";
    for (const auto& option : command.options)
        out << "  --" << option.name << (option.takesValue ? " " + option.valueName : "") << "  "
            << option.help << "\n";
}

// The request the words after COMMAND make, or why they make none.
struct ParsedArguments {
    CliRequest request;
    std::string error;  // "" when the words are good
};

ParsedArguments parseArguments(const CliCommand& command, const std::vector<CliOption>& shared,
                               const std::vector<std::string>& words) {
    ParsedArguments parsed;
    CliRequest& request = parsed.request;
    auto fail = [&parsed](std::string error) {
        parsed.error = std::move(error);
        return parsed;
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& arg = words[i];
        if (arg == "--json") {
            request.json = true;
        } else if (command.readsDecimalSeparator && arg.rfind("--decimal-separator=", 0) == 0) {
            std::string value = arg.substr(20);
            if (value.size() != 1) return fail("--decimal-separator takes one character");
            request.format.decimal = value[0];
        } else if (arg.rfind("--", 0) == 0) {
            std::string name = arg.substr(2), value;
            bool inlineValue = false;
            if (auto eq = name.find('='); eq != std::string::npos) {
                value = name.substr(eq + 1), name = name.substr(0, eq), inlineValue = true;
            }
            const CliOption* option = findOption(command.options, name);
            if (!option) option = findOption(shared, name);
            if (!option) return fail("unknown option '--" + name + "'");
            if (option->takesValue && !inlineValue) {
                if (i + 1 >= words.size()) return fail("--" + name + " needs a value");
                value = words[++i];
            }
            request.options[name] = value;
        } else if (auto eq = arg.find('=');
                   !command.forms.empty() && eq != std::string::npos && eq > 0) {
            const ResolvedField field = resolveField(command, arg.substr(0, eq));
            if (field.qualified.empty()) return fail(field.error);
            request.fields[field.qualified] = arg.substr(eq + 1);
        } else if (request.operands.size() < command.operands.size()) {
            request.operands.push_back(arg);
        } else if (command.operands.empty() && !command.forms.empty()) {
            return fail("expected NAME=TEXT or an option, got '" + arg + "'");
        } else {
            return fail("takes " + std::to_string(command.operands.size()) + " word" +
                        (command.operands.size() == 1 ? "" : "s") + " besides its options, got '" +
                        arg + "'");
        }
    }
    if (request.operands.size() < command.operands.size())
        return fail("needs " + command.operands[request.operands.size()]);
    for (const auto& option : command.required)
        if (!request.has(option)) return fail("needs --" + option);
    if (command.check)
        if (std::string error = command.check(request); !error.empty()) return fail(error);
    return parsed;
}

// One command over the words after its name; `prefix` names it in messages ("orvan-cli ").
int runCommand(const CliCommand& command, const std::vector<CliOption>& shared,
               const std::vector<std::string>& words, const std::string& prefix, std::ostream& out,
               std::ostream& err) {
    if (std::find(words.begin(), words.end(), "--help") != words.end()) {
        printCommandHelp(command, prefix, out);
        return 0;
    }
    const ParsedArguments parsed = parseArguments(command, shared, words);
    if (!parsed.error.empty()) {
        err << prefix << command.name << ": " << parsed.error << "\n";
        return kExitUsage;
    }
    CliResult result;
    try {
        result = command.run(parsed.request);
    } catch (const Fault& fault) {  // a fault the command did not catch itself
        result = failedResult(fault.what());
    }
    return emitResult(result, parsed.request.json, out, err);
}

const CliCommand* findCommand(const std::vector<CliCommand>& table, const std::string& name) {
    auto it = std::find_if(table.begin(), table.end(),
                           [&](const CliCommand& c) { return c.name == name; });
    return it == table.end() ? nullptr : &*it;
}

// orvan-cli GROUP [SHARED OPTIONS] COMMAND ...: the shared options may stand before the
// command's name or among its own.
int runGroup(const CliGroup& group, const std::vector<std::string>& args, std::ostream& out,
             std::ostream& err) {
    std::vector<std::string> words(args.begin() + 2, args.end());
    std::size_t at = 0;
    while (at < words.size() && words[at].rfind("--", 0) == 0) {
        const std::string& word = words[at];
        const std::size_t eq = word.find('=');
        const CliOption* option = findOption(group.shared, word.substr(2, eq - 2));
        at += option && option->takesValue && eq == std::string::npos ? 2 : 1;
    }
    const auto verb = words.begin() + static_cast<std::ptrdiff_t>(std::min(at, words.size()));
    const bool help = std::find(words.begin(), words.end(), "--help") != words.end() ||
                      std::find(words.begin(), words.end(), "-h") != words.end();
    if (verb == words.end()) {
        if (help) {
            printGroupUsage(group, out);
            return 0;
        }
        err << "orvan-cli " << group.name << ": a command is needed\n";
        printGroupUsage(group, err);
        return kExitUsage;
    }
    const CliCommand* command = findCommand(group.commands, *verb);
    if (!command) {
        err << "orvan-cli " << group.name << ": unknown command '" << *verb << "'\n";
        printGroupUsage(group, err);
        return kExitUsage;
    }
    words.erase(verb);
    return runCommand(*command, group.shared, words, "orvan-cli " + group.name + " ", out, err);
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
        // A listing (the journal's mixes, its history) is its values alone.
        if (!result.lines.empty()) values.strings("lines", result.lines);
        out << values.str() << "\n";
    } else {
        for (const auto& line : result.lines) out << line << "\n";
    }
    return 0;
}

std::string CliRequest::option(const std::string& name) const {
    auto it = options.find(name);
    return it == options.end() ? std::string() : it->second;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::vector<CliGroup>& groups) {
    return runCli(commandTable(), args, out, err, groups);
}

int runCli(const std::vector<CliCommand>& table, const std::vector<std::string>& given,
           std::ostream& out, std::ostream& err, const std::vector<CliGroup>& groups) {
    // --lang=en|ru, anywhere: the language of the report lines and messages (English unless
    // asked; the JSON keys stay English either way).
    std::vector<std::string> args;
    InterfaceLanguage language = InterfaceLanguage::English;
    for (const std::string& word : given) {
        if (word.rfind(kLangOption, 0) != 0) {
            args.push_back(word);
            continue;
        }
        const std::optional<InterfaceLanguage> asked = languageFromCode(word.substr(7));
        if (!asked) {
            err << "orvan-cli: --lang takes en or ru\n";
            return kExitUsage;
        }
        language = *asked;
    }
    setReportLanguage(language);
    if (args.size() < 2 || args[1] == "--help" || args[1] == "-h" || args[1] == "help") {
        printUsage(table, groups, args.size() < 2 ? err : out);
        return args.size() < 2 ? kExitUsage : 0;
    }
    for (const CliGroup& group : groups)
        if (group.name == args[1]) return runGroup(group, args, out, err);
    const CliCommand* command = findCommand(table, args[1]);
    if (!command) {
        err << "orvan-cli: unknown command '" << args[1] << "'\n";
        printUsage(table, groups, err);
        return kExitUsage;
    }
    return runCommand(*command, {}, std::vector<std::string>(args.begin() + 2, args.end()),
                      "orvan-cli ", out, err);
}

}  // namespace orvan::cli
