// The proportioning run over random field texts in every dialog it reads: it reports,
// refuses, or fails with a message; a report never shows NAN or INF.
#include "fuzz/FuzzInput.h"
#include "mixdesign/calc/MixForms.h"
#include "mixdesign/calc/MixRun.h"
#include "mixdesign/calc/OptionsFile.h"

using namespace orvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const FieldTexts mixInputs = in.form(mix::mixInputForm());
    FieldTexts optionTexts =
        mix::optionsDialog().fields().empty() ? FieldTexts{} : in.form(mix::optionsDialog());
    const auto options = mix::ProportioningOptions::fromTexts(optionTexts);
    mix::AnsweringDialogs dialogs({{"F_W", in.form(mix::propertiesDialog())},
                                   {"fmTVO", in.form(mix::steamCuringDialog())},
                                   {"economy", in.form(mix::economyDialog())},
                                   {"Vubor_Econ", in.form(mix::techniqueDialog())}});
    const mix::MixOutcome outcome =
        mix::runProportioning(mixInputs, options, dialogs, orvan::NumberFormat{});
    if (outcome.kind == OutcomeKind::Done) {
        fuzz::checkReportLines(outcome.lines);
    } else if (outcome.kind != OutcomeKind::Cancelled) {
        fuzz::checkMessage(outcome.message);
    }
    return 0;
}
