#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>

void answerNextModal(std::function<void(QWidget*)> answer, QWidget* except, int timeoutMs) {
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    QPointer<QWidget> skip(except);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != skip.data() && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            answer(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start();
}

ModalWatchdog::ModalWatchdog(int timeoutMs) {
    timer_.setSingleShot(false);
    timer_.setInterval(timeoutMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            fired_ = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->done(QDialog::Rejected);
            } else {
                modal->close();
            }
            if (QApplication::activeModalWidget() == modal) break;
        }
    });
    timer_.start();
}
