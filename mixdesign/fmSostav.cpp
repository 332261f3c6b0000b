#include "mixdesign/fmSostav.h"

TfmBNS::TfmBNS(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmBNS");
    setWindowTitle(tr("Data for proportioning concrete mixture"));
}
