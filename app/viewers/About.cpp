#include "app/viewers/About.h"

TfmAbout::TfmAbout(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("fmAbout");
    setWindowTitle(tr("About program"));
}
