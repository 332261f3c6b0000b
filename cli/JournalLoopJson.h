#pragma once
// The --json values of the early-age prediction, the CUSUM of a journal's series and the
// correction from designs, for `orvan-cli journal` and `orvan-cli correct-designs` to print.
#include "cli/Cli.h"
#include "correction/calc/DesignCorrection.h"
#include "strength_control/calc/EarlyAge.h"
#include "strength_control/calc/SeriesCusum.h"

namespace orvan::cli {

// relation: {intercept, slope, residualSd, correlation, parties},
// predicted: [{party, date, early, strength}]
void fillEarlyAge(JsonObject& json, const control::EarlyAgePrediction& v);
// The values of `orvan-cli cusum`, then parties: [{party, date, predicted}] and
// firstPredictedSignal: {position, party, date, side, due, daysBefore} or null.
void fillSeriesCusum(JsonObject& json, const control::SeriesCusum& v);
// inputs: {points: [{design, parties, strength, cementWaterRatio}], required, water}, the
// values of `orvan-cli correct-strength` (cementWaterRatio, cementContent, waterContent) and,
// with three designs or more, line: {parties, slope, intercept, correlation}.
void fillDesignCorrection(JsonObject& json, const correction::DesignCorrection& v);

// The outcomes as command results: refused exits 3, failed 1.
CliResult earlyAgeResult(const Outcome<control::EarlyAgePrediction>& outcome);
CliResult seriesCusumResult(const Outcome<control::SeriesCusum>& outcome);
CliResult designCorrectionResult(const Outcome<correction::DesignCorrection>& outcome);

CliCommand correctDesignsCommand();  // DesignCorrectionCommand.cpp

}  // namespace orvan::cli
