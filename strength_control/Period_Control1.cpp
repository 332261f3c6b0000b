#include "strength_control/Period_Control1.h"

TfmPeriod_Control1::TfmPeriod_Control1(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmPeriod_Control1");
    setWindowTitle(tr("Statistical control of concrete strength. Controllable period."));
}
