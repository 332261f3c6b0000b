#include "strength_control/Period_Control3.h"

TfmPeriod_Control3::TfmPeriod_Control3(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmPeriod_Control3");
    setWindowTitle(tr("Statistical control "));
}
