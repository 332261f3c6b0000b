// Both corrections over random field texts: a report without NAN or INF, or a message.
#include "correction/calc/CorrectionCalc.h"
#include "fuzz/FuzzInput.h"

using namespace orvan;

template <class Outcome>
void check(const Outcome& outcome) {
    if (outcome.ok()) {
        fuzz::checkReportLines(outcome.lines);
    } else {
        fuzz::checkMessage(outcome.message);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    check(correction::runStrengthCorrection(in.form(correction::strengthForm()),
                                            orvan::NumberFormat{}));
    check(correction::runAggregateCorrection(in.form(correction::aggregateForm()),
                                             orvan::NumberFormat{}));
    return 0;
}
