#pragma once
// The picture window: shows one picture file (bmp, ico, emf, wmf) unscaled from the top-left
// corner, full width, with a vertical scroll bar only; wider pictures are cut at the right.
// It loads the picture whenever it becomes the active window, from the file last chosen in
// OpenPictureDialog1; a picture that does not load leaves the previous one (or nothing).
#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include "kit/DialogBase.h"

class PictureOpenDialog;
class QScrollArea;

// `Image`: the picture area, as wide as the window's client area and as high as the picture.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    QSize sizeHint() const override { return {0, picture_.height()}; }
    QSize minimumSizeHint() const override { return {0, picture_.height()}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

class PictureWindow : public DialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmShowPicture";

    explicit PictureWindow(AppContext& app, QWidget* parent = nullptr);
    // Open graphic: shows OpenPictureDialog1, then this window with the chosen picture.
    void openGraphic();

    // Made on first use (a file dialog costs much of the start-up), then kept with what was
    // typed into it; it opens first in the folder the program started in.
    PictureOpenDialog* openPictureDialog();
    PictureArea* image() const { return Image; }
    QScrollArea* scrollArea() const { return scroll_; }
    // The file name last chosen in OpenPictureDialog1 (empty before the first choice).
    QString chosenFileName() const;
    // Loads the chosen file and shows it when it loads; otherwise keeps what is shown.
    void loadPicture();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeFirstTime();
    // Sets the outer size and centres the window once its frame is known.
    void fitOuterSize();

    const QString startFolder_;
    PictureOpenDialog* OpenPictureDialog1 = nullptr;
    QScrollArea* scroll_;
    PictureArea* Image;
    bool chosen_ = false;
    bool placed_ = false;
    bool framePending_ = false;  // shown, but the window manager has not framed it yet
    bool loadOnActivate_ = true;
};
