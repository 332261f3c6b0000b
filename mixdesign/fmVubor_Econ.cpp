#include "mixdesign/fmVubor_Econ.h"

TVubor_Econ::TVubor_Econ(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("Vubor_Econ");
    setWindowTitle(tr("Technological decisions for decreasing of cement content"));
}
