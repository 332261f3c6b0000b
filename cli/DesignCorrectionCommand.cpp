// orvan-cli correct-designs: the correction by strength from the parties of two designs or more,
// each given by its party count, mean strength, cement-water ratio and water.
#include "cli/JournalLoopJson.h"
#include "common/NumberText.h"

namespace orvan::cli {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// "DESIGN:PARTIES:STRENGTH:CW:WATER"; throws Fault for a figure that is no number.
std::optional<correction::DesignSample> readPoint(const std::string& text, NumberFormat format) {
    const std::vector<std::string> f = split(text, ':');
    if (f.size() != 5 || f[0].empty()) return std::nullopt;
    correction::DesignSample d;
    d.design = f[0];
    d.parties = textToInt(f[1]);
    d.strength = textToFloat(f[2], format);
    d.cementWaterRatio = textToFloat(f[3], format);
    d.water = textToFloat(f[4], format);
    return d;
}

CliResult runCorrectDesigns(const CliRequest& request) {
    if (!request.has("points") || !request.has("required"))
        return refusedResult(
            "The designs (--points) and the required strength (--required) are "
            "needed.");
    correction::DesignCorrectionInputs in;
    try {
        in.required = textToFloat(request.options.at("required"), request.format);
        for (const std::string& text : split(request.options.at("points"), ';')) {
            if (text.empty()) continue;
            auto point = readPoint(text, request.format);
            if (!point)
                return refusedResult("The design '" + text +
                                     "' is not written DESIGN:PARTIES:STRENGTH:CW:WATER.");
            in.designs.push_back(std::move(*point));
        }
    } catch (const Fault& fault) {
        return failedResult(fault.what());
    }
    return designCorrectionResult(correction::correctFromDesigns(in, request.format));
}

}  // namespace

CliCommand correctDesignsCommand() {
    return {"correct-designs",
            "correct a mix from the parties of two designs or more (their mean strength and C/W)",
            {},
            {{"points",
              "the designs, oldest first: DESIGN:PARTIES:STRENGTH:CW:WATER;... (mean strength "
              "MPa, water kg per cu m)",
              true},
             {"required", "necessary strength of concrete, MPa", true}},
            runCorrectDesigns};
}

}  // namespace orvan::cli
