#include "strength_control/AnalysedPeriod10x3Dialog.h"

#include <QLayout>

AnalysedPeriod10x3Dialog::AnalysedPeriod10x3Dialog(AppContext& app, QWidget* parent)
    : AnalysedPeriodInputDialog(app, orvan::analysed::tenByThreeLayout(), parent) {
    setObjectName("fmPeriod_analiz2_15");
    setWindowTitle(QCoreApplication::translate(
        kForm, "Statistical control of concrete strength. Analyzed period."));
    build();
    // A fixed dialog border: the window keeps the size its contents ask for.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
