#include "strength_control/Period_Analiz1.h"

TfmPeriod_Analiz1::TfmPeriod_Analiz1(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmPeriod_Analiz1");
    setWindowTitle(tr("Statistical control of concrete strength. Analyzed period."));
}
