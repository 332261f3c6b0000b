#pragma once
// How every job of the core ends: one type for the proportioning run, the corrections, the
// analysed period, the control chart, the quality checks and the options file. The desktop
// program shows it with showOutcome (kit/Messages.h), orvan-cli prints it with emitResult
// (cli/Cli.h).
#include <string>
#include <utility>
#include <vector>

#include "common/Fault.h"

namespace orvan {

// How the caller shows an outcome's message.
enum class MessageStyle {
    None,      // Done and Cancelled: nothing to show
    Message,   // a single-button message box (showMessage): "Error", "Data error", refusals
    ErrorBox,  // the application's error box (showErrorBox): the runtime's message of a fault,
               // e.g. "'x' is not a valid floating point value" or "Floating point division by
               // zero"
};

// For a job that computes nothing beyond its message (saving the options).
struct NoValues {};

// `Values` is the job's own structure: what it computed, filled as far as it got when it
// stopped, together with whatever the job tells beyond its message (the analysed period's
// failing field and party, the impossible mix's quantities, the chart's range). A template
// parameter rather than one member per job keeps the core's jobs independent of each other:
// common/ knows none of them.
// [[nodiscard]]: a call that can fail is never left unread.
template <class Values = NoValues>
struct [[nodiscard]] Outcome {
    OutcomeKind kind = OutcomeKind::Failed;
    std::string message;  // what to show when not Done ("" for Cancelled)
    MessageStyle style = MessageStyle::None;
    Values values{};
    std::vector<std::string> lines;  // the report, UTF-8, only when Done

    bool ok() const { return kind == OutcomeKind::Done; }

    static Outcome done(Values values, std::vector<std::string> lines = {}) {
        return {OutcomeKind::Done, {}, MessageStyle::None, std::move(values), std::move(lines)};
    }
    static Outcome failed(std::string message, MessageStyle style, Values values = {}) {
        return {OutcomeKind::Failed, reportText(message), style, std::move(values), {}};
    }
    // A failure of storage or of a file: the one message the database or the file system gave,
    // shown in a plain message box.
    static Outcome failed(std::string message) {
        return failed(std::move(message), MessageStyle::Message);
    }
    // Another job's outcome that did not end Done, passed on with its kind and message.
    template <class Other>
    static Outcome endedAs(const Outcome<Other>& other) {
        return {other.kind, other.message, other.style, {}, {}};
    }
    static Outcome refused(std::string message, MessageStyle style, Values values = {}) {
        return {OutcomeKind::Refused, reportText(message), style, std::move(values), {}};
    }
    static Outcome cancelled(Values values = {}) {
        return {OutcomeKind::Cancelled, {}, MessageStyle::None, std::move(values), {}};
    }
};

}  // namespace orvan
