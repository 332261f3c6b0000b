#include "strength_control/Period_Analiz3.h"

#include <QLayout>

TfmPeriod_analiz2_15::TfmPeriod_analiz2_15(AppContext& app, QWidget* parent)
    : AnalysedPeriodInputDialog(app, orvan::analysed::tenByThreeLayout(), parent) {
    setObjectName("fmPeriod_analiz2_15");
    setWindowTitle(QCoreApplication::translate(
        kForm, "Statistical control of concrete strength. Analyzed period."));
    build();
    // A fixed dialog border: the window keeps the size its contents ask for.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
