#include "correction/fmCorrection.h"

Tcorrection::Tcorrection(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("correction");
    setWindowTitle(tr("Correction concrete mixture"));
}
