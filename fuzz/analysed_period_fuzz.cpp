// The analysed period of either layout over random extract texts: a report without NAN or
// INF, or "Data error" naming where it stopped.
#include "fuzz/FuzzInput.h"
#include "strength_control/calc/AnalysedPeriod.h"

using namespace orvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const auto& layout = in.byte() & 1 ? analysed::tenByThreeLayout() : analysed::fiveBySixLayout();
    analysed::ExtractTexts extracts(layout.partyCount);
    for (auto& party : extracts)
        for (int j = 0; j < layout.extractCount; ++j) party.push_back(in.text());
    const auto outcome =
        analysed::computeAnalysedPeriod(layout, extracts, in.text(), orvan::NumberFormat{});
    if (outcome.ok()) {
        fuzz::checkReportLines(analysed::writeAnalysedPeriodReport(layout, outcome.values.result,
                                                                   orvan::NumberFormat{}));
    } else {
        fuzz::checkMessage(outcome.message);
        if (outcome.values.partiesRead < 0 || outcome.values.partiesRead > layout.partyCount)
            std::abort();
    }
    return 0;
}
