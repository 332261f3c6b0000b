#include "mixdesign/fmEconom.h"

Teconomy::Teconomy(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("economy");
    setWindowTitle(tr("Technological decisions for decreasing of cement content"));
}
