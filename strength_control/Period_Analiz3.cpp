#include "strength_control/Period_Analiz3.h"

TfmPeriod_analiz2_15::TfmPeriod_analiz2_15(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmPeriod_analiz2_15");
    setWindowTitle(tr("Statistical control of concrete strength. Analyzed period."));
}
