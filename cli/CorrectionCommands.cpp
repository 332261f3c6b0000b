#include "cli/Commands.h"
#include "correction/calc/CorrectionCalc.h"

namespace orvan::cli {

CliCommand correctStrengthCommand() {
    CliCommand command;
    command.name = "correct-strength";
    command.summary = "correct a mix from two measured strength and cement-water ratio points";
    command.forms = {correction::strengthForm()};
    command.run = [](const CliRequest& request) {
        auto outcome = correction::runStrengthCorrection(
            request.formTexts(correction::strengthForm()), request.format);
        return resultOf(outcome, [](JsonObject& json, const correction::StrengthCorrection& v) {
            json.number("cementWaterRatio", v.ratio)
                .number("cementContent", v.cement)
                .number("waterContent", v.water);
        });
    };
    return command;
}

CliCommand correctAggregatesCommand() {
    CliCommand command;
    command.name = "correct-aggregates";
    command.summary = "batch weights of moist, intermixed sand and coarse aggregate";
    command.forms = {correction::aggregateForm()};
    command.run = [](const CliRequest& request) {
        auto outcome = correction::runAggregateCorrection(
            request.formTexts(correction::aggregateForm()), request.format);
        return resultOf(outcome, [](JsonObject& json, const correction::AggregateCorrection& v) {
            json.number("sand", v.sand)
                .number("coarseAggregate", v.coarse)
                .number("water", v.water);
            if (v.load)
                json.number("mixerVolume", v.load->volume)
                    .number("mixerWater", v.load->water)
                    .number("mixerSand", v.load->sand)
                    .number("mixerCoarseAggregate", v.load->coarse);
        });
    };
    return command;
}

}  // namespace orvan::cli
