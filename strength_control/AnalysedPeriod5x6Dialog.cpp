#include "strength_control/AnalysedPeriod5x6Dialog.h"

AnalysedPeriod5x6Dialog::AnalysedPeriod5x6Dialog(AppContext& app, QWidget* parent)
    : AnalysedPeriodInputDialog(app, orvan::analysed::fiveBySixLayout(), parent) {
    setObjectName("fmPeriod_analiz2_5");
    setWindowTitle(QCoreApplication::translate(
        kForm, "Statistical control of concrete strength. Analyzed period."));
    build();
    setSizeGripEnabled(true);
}
