#pragma once
// The start-up picture: borderless, on top, centred, inside a raised frame 10 pixels wide;
// closes itself 3000 ms after it first becomes active, or at once on a click.
#include <QSplashScreen>
#include <QStringList>

// False when one of the arguments is "-ns" or "/ns" in any letter case.
bool splashWanted(const QStringList& arguments);

// The picture: "<executable name>.bmp" beside the executable when it exists, else drawn.
QPixmap splashImage(const QString& executablePath);

class SplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    static constexpr int kFrameWidth = 10;
    static constexpr int kCloseAfterMs = 3000;
    explicit SplashWindow(const QPixmap& picture);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool timerStarted_ = false;
};
