#include "strength_control/Period_Control2.h"

TfmPeriod_Control2::TfmPeriod_Control2(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmPeriod_Control2");
    setWindowTitle(tr("Statistical control of concrete strength. Controllable period."));
}
