#include "app/Messages.h"

#include <QMessageBox>

#include "app/AppContext.h"

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.setObjectName("messageBox");
    box.exec();
}

void showErrorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, parent);
    box.setObjectName("errorBox");
    box.exec();
}
