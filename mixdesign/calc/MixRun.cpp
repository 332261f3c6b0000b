#include "mixdesign/calc/MixRun.h"

namespace orvan::mix {

// First slice: the interface only; the steps follow.
MixOutcome runProportioning(const FieldTexts&, const ProportioningOptions&, MixRunDialogs&) {
    MixOutcome outcome;
    outcome.kind = OutcomeKind::Failed;
    outcome.message = kRunError;
    outcome.style = MessageStyle::Message;
    return outcome;
}

std::string mixReportTitle(int windowNumber) {
    return "Window \xE2\x84\x96" + std::to_string(windowNumber) +
           ". Proportioning concrete mixture";
}

AnsweringDialogs::AnsweringDialogs(std::vector<std::pair<std::string, FieldTexts>> given)
    : given_(std::move(given)) {}
void AnsweringDialogs::setTexts(const std::string& formName, const FieldTexts& texts) {
    given_.emplace_back(formName, texts);
}
DialogAnswer AnsweringDialogs::frostPage(const MixState&) {
    return std::nullopt;
}
DialogAnswer AnsweringDialogs::waterTightnessPage(const MixState&) {
    return std::nullopt;
}
DialogAnswer AnsweringDialogs::steamCuring(const MixState&) {
    return std::nullopt;
}
DialogAnswer AnsweringDialogs::economyChoice(const MixState&) {
    return std::nullopt;
}
DialogAnswer AnsweringDialogs::techniquePage(Technique, const FieldTexts&, const MixState&) {
    return std::nullopt;
}

}  // namespace orvan::mix
