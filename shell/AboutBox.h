#pragma once
// The About box: what the program does, who made it, a small night skyline and two embossed
// "Orvan" labels that turn 30 degrees on every 200 ms tick (from 330 back to 0), keeping
// their angle between showings. OK (Enter and Esc alike) closes it.
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "kit/DialogBase.h"

// A text line drawn twice, black over white, the black copy `shift` pixels up and left,
// which gives a shadow.
class ShadowLabel : public QWidget {
    Q_OBJECT
public:
    ShadowLabel(const QString& text, const QFont& font, QPoint shift, QWidget* parent);
    const QString& text() const { return text_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QPoint shift_;
};

// "Orvan" in aqua with a raised emboss (fuchsia highlight, lime shadow, 2 pixels), drawn at
// its angle in degrees, counter-clockwise.
class TurningLabel : public QWidget {
    Q_OBJECT
public:
    explicit TurningLabel(QWidget* parent);
    int angle() const { return angle_; }
    void setAngle(int degrees);
    // One tick: 330 wraps to 0, any other angle gains 30.
    void step() { setAngle(angle_ == 330 ? 0 : angle_ + 30); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int angle_ = 0;
};

class AboutBox : public DialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmAbout";

    explicit AboutBox(AppContext& app, QWidget* parent = nullptr);

    // The timer's tick: turns both labels.
    void turnLabels();
    TurningLabel* turningLabel(int index) const { return index == 0 ? left_ : right_; }
    QTimer* timer() { return &turnTimer_; }

    // The picture in the top right corner, drawn here (98 x 72).
    static QPixmap skylinePicture();

private:
    void buildTexts(QWidget* panel);

    QTimer turnTimer_;
    TurningLabel* left_;
    TurningLabel* right_;
};
