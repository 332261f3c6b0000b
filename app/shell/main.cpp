#include <QApplication>

#include "app/shell/fmX1.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    TfmForm1 window;
    window.show();
    return application.exec();
}
