#include "mixdesign/TVO.h"

TfmTVO::TfmTVO(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmTVO");
    setWindowTitle(tr("Initial data for steam curing"));
}
