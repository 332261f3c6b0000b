#include "mixdesign/fmF_W.h"

TF_W::TF_W(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("F_W");
    setWindowTitle(tr("Properties of concrete"));
}
