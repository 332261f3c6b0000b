#pragma once
// The design quantities of a proportioning report, as the report prints them: what "Batch
// weights..." fills the correction page with. The proportioning session
// (mixdesign/ProportioningInputs.h) keeps them for each report window while it is open.
#include <QString>

struct DesignQuantities {
    QString water;   // kg per cu m
    QString sand;    // kg per cu m
    QString coarse;  // kg per cu m
    QString cement;  // kg per cu m
    QString flyAsh;  // kg per cu m; empty without fly ash
};
