#include "app/viewers/ShowPicture.h"

TfmShowPicture::TfmShowPicture(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmShowPicture");
    setWindowTitle(tr("Viewing of pictures"));
}
