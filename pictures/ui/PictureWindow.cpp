#include "pictures/ui/PictureWindow.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "pictures/PictureLoader.h"
#include "pictures/ui/PictureOpenDialog.h"

namespace {
// The outer size of the window when it is first shown.
constexpr QSize kFirstOuterSize(765, 359);
}  // namespace

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    setObjectName("Image");
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(0);
}

void PictureArea::setPicture(const QImage& picture) {
    picture_ = picture;
    setFixedHeight(picture_.height());
    updateGeometry();
    update();
}

void PictureArea::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);  // unscaled; the right part beyond is cut off
}

PictureWindow::PictureWindow(AppContext& app, QWidget* parent)
    : DialogBase(app, parent), startFolder_(QDir::currentPath()) {
    setObjectName("fmShowPicture");
    setWindowTitle(QCoreApplication::translate(kForm, "Viewing of pictures"));
    setSizeGripEnabled(true);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("ScrollBox");
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setWidgetResizable(true);  // the picture area follows the client width
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image = new PictureArea;
    scroll_->setWidget(Image);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    resize(kFirstOuterSize);
}

PictureOpenDialog* PictureWindow::openPictureDialog() {
    if (!OpenPictureDialog1) {
        OpenPictureDialog1 = new PictureOpenDialog(this);
        OpenPictureDialog1->setDirectory(startFolder_);
    }
    return OpenPictureDialog1;
}

QString PictureWindow::chosenFileName() const {
    return chosen_ ? OpenPictureDialog1->selectedFiles().value(0) : QString();
}

void PictureWindow::openGraphic() {
    PictureOpenDialog* dialog = openPictureDialog();
    if (dialog->exec() != QDialog::Accepted) return;
    const QString file = dialog->selectedFiles().value(0);
    if (file.isEmpty()) return;
    chosen_ = true;
    if (!QFileInfo(file).isFile()) return;  // a typed name that does not exist: no message
    exec();
}

void PictureWindow::loadPicture() {
    const QString file = chosenFileName();
    if (file.isEmpty()) return;
    const QImage picture = loadPictureFile(file);
    if (!picture.isNull()) Image->setPicture(picture);
}

void PictureWindow::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    placeFirstTime();
    // Load at once: activation may come later (or, on some platforms, not at all for a
    // window shown while the application is inactive).
    loadPicture();
    loadOnActivate_ = false;
}

bool PictureWindow::event(QEvent* event) {
    // The frame becomes known at some event after the window is mapped (on X11, by the time
    // it is activated).
    if (framePending_ && isVisible() && frameGeometry().size() != geometry().size()) {
        framePending_ = false;
        fitOuterSize();
    }
    if (event->type() == QEvent::WindowActivate) {
        if (loadOnActivate_) loadPicture();
        loadOnActivate_ = false;
    } else if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) {
        loadOnActivate_ = true;  // the next activation reloads the file
    }
    return DialogBase::event(event);
}

void PictureWindow::placeFirstTime() {
    if (placed_) return;
    placed_ = true;
    fitOuterSize();
    // Under a window manager the frame comes after the window is mapped; the size is set
    // again when it is known.
    framePending_ = frameGeometry().size() == geometry().size();
}

void PictureWindow::fitOuterSize() {
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(kFirstOuterSize - frame);
    QScreen* where = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (where) {
        QRect outer(frameGeometry().topLeft(), kFirstOuterSize);
        outer.moveCenter(where->availableGeometry().center());
        move(outer.topLeft());
    }
}
