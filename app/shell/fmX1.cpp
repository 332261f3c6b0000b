#include "app/shell/fmX1.h"

#include "app/DocumentArea.h"

TfmForm1::TfmForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("fmForm1");
    setWindowTitle("Orvan-6.4");
    documents_ = new DocumentArea(app_, this);
    app_.setDocuments(documents_);
    setCentralWidget(documents_);
}

void TfmForm1::createWindows() {}
