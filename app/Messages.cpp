#include "app/Messages.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "app/AppContext.h"

QString translatedMessage(const QString& text) {
    // "'%s' is not a valid floating point value" and its integer twin, with the text as typed.
    static const char* const patterns[] = {"'%1' is not a valid floating point value",
                                           "'%1' is not a valid integer value"};
    for (const char* pattern : patterns) {
        const QString tail = QString::fromLatin1(pattern).mid(3);  // "' is not ..."
        if (text.size() > tail.size() && text.startsWith('\'') && text.endsWith(tail))
            return QCoreApplication::translate("Shared", pattern)
                .arg(text.mid(1, text.size() - 1 - tail.size()));
    }
    const QByteArray source = text.toUtf8();
    return QCoreApplication::translate("Shared", source.constData());
}

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), translatedMessage(text),
                    QMessageBox::Ok, parent);
    box.setObjectName("messageBox");
    box.exec();
}

void showErrorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), translatedMessage(text),
                    QMessageBox::Ok, parent);
    box.setObjectName("errorBox");
    box.exec();
}
