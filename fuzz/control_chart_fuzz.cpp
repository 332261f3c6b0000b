// The control chart over random figures and batch strengths: a range with min <= max and six
// series of finite points, or a message.
#include <cmath>

#include "fuzz/FuzzInput.h"
#include "strength_control/calc/ControlChart.h"

using namespace orvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    FieldTexts texts = in.form(control::controlForm());
    // Keep the count of batches small, as a user would type it.
    texts["edCountParty"] = std::to_string(int(in.byte() % 14) - 2);
    int asked = 0;
    const auto outcome = control::buildControlChart(
        texts,
        [&](int, const std::string&) {
            ++asked;
            return in.text();
        },
        orvan::NumberFormat{});
    if (asked > 20) std::abort();
    if (outcome.ok()) {
        if (!outcome.values.range || outcome.values.range->min > outcome.values.range->max)
            std::abort();
        for (const auto& series : outcome.values.series)
            for (const auto& point : series.points)
                if (!std::isfinite(point.x) || !std::isfinite(point.y)) std::abort();
        fuzz::checkReportLines(control::chartLines(outcome, orvan::NumberFormat{}));
    } else {
        fuzz::checkMessage(outcome.message);
    }
    return 0;
}
