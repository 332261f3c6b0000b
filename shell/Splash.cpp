#include "shell/Splash.h"

#include <qdrawutil.h>

#include <QEvent>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>

#include "shell/Icons.h"

bool splashWanted(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString arg = arguments[i].toLower();
        if (arg == "-ns" || arg == "/ns") return false;
    }
    return true;
}

QPixmap splashImage(const QString& executablePath) {
    QFileInfo exe(executablePath);
    QPixmap picture(exe.absolutePath() + "/" + exe.completeBaseName() + ".bmp");
    return picture.isNull() ? splashPicture() : picture;
}

namespace {
// The picture inside a raised frame.
QPixmap framed(const QPixmap& picture) {
    const int w = SplashWindow::kFrameWidth;
    QPixmap out(picture.width() + 2 * w, picture.height() + 2 * w);
    out.fill(QColor(192, 192, 192));
    QPainter p(&out);
    QPalette palette;
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    qDrawShadePanel(&p, out.rect(), palette, false, w);
    p.drawPixmap(w, w, picture);
    return out;
}
}  // namespace

SplashWindow::SplashWindow(const QPixmap& picture)
    : QSplashScreen(framed(picture), Qt::WindowStaysOnTopHint) {
    setObjectName("splash");
    setAttribute(Qt::WA_DeleteOnClose);
}

bool SplashWindow::event(QEvent* event) {
    // Some window systems never activate a splash; its showing counts as well.
    if (!timerStarted_ &&
        (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)) {
        timerStarted_ = true;
        QTimer::singleShot(kCloseAfterMs, this, &QWidget::close);
    }
    return QSplashScreen::event(event);
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    close();
}
