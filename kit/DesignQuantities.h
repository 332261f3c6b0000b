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
    // The run's own figures, unrounded, which a design saved in the journal keeps.
    double waterCementRatio = 0;  // W/C
    double waterContent = 0;      // kg per cu m
    double cementContent = 0;     // kg per cu m
};
