#include "mixdesign/fmOption.h"

TfmOptions::TfmOptions(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmOptions");
    setWindowTitle(tr("Options for proportioning concrete mixture"));
}
