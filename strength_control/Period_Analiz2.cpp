#include "strength_control/Period_Analiz2.h"

TfmPeriod_analiz2_5::TfmPeriod_analiz2_5(AppContext& app, QWidget* parent)
    : AnalysedPeriodInputDialog(app, orvan::analysed::fiveBySixLayout(), parent) {
    setObjectName("fmPeriod_analiz2_5");
    setWindowTitle(QCoreApplication::translate(
        kForm, "Statistical control of concrete strength. Analyzed period."));
    build();
    setSizeGripEnabled(true);
}
