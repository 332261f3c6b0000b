#pragma once
// The help topics: each number is a page of the help (resources/help/<number>.html, and its
// Russian twin under ru/) and the context number a window or tab gives its F1.
namespace orvan {

enum HelpTopic : int {
    kHelpProportioningOptions = 21,  // the options for proportioning
    kHelpProportioning = 22,         // the mix inputs and the dialogs of the proportioning run
    kHelpStrengthCorrection = 31,    // correction by cement-water ratio and strength
    kHelpAggregateCorrection = 32,   // correction for aggregates' grading and humidity
    kHelpAnalysedPeriod = 41,        // statistical control: the analysed period
    kHelpControlledPeriod = 42,      // statistical control: the controllable period
    kHelpQualityControl = 43,        // verdicts, CUSUM, conformity
    kHelpJournal = 44,               // the strength journal
};

}  // namespace orvan
