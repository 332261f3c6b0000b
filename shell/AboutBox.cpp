#include "shell/AboutBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>

namespace {
constexpr QSize kClientSize(536, 348);
constexpr QSize kPictureSize(98, 72);
constexpr int kTickMs = 200;

// Bold italic Arial; Liberation Sans has the same metrics where Arial is missing.
QFont aboutFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}
}  // namespace

ShadowLabel::ShadowLabel(const QString& text, const QFont& font, QPoint shift, QWidget* parent)
    : QWidget(parent), text_(text), shift_(shift) {
    setFont(font);
}

QSize ShadowLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    const QStringList lines = text_.split('\n');
    int width = 0;
    for (const QString& line : lines) width = qMax(width, metrics.horizontalAdvance(line));
    // Room for the italic overhang of the last letter and the descenders of the last line.
    return {width + qAbs(shift_.x()) + 8, metrics.lineSpacing() * int(lines.size()) + 4};
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect box = rect().adjusted(qAbs(shift_.x()), 1, 0, 0);
    // Not clipped to the box: the last line's descenders and an italic overhang stay whole.
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
    painter.setPen(Qt::white);
    painter.drawText(box, flags, text_);
    painter.setPen(Qt::black);
    painter.drawText(box.translated(-shift_.x(), -shift_.y()), flags, text_);
}

TurningLabel::TurningLabel(QWidget* parent) : QWidget(parent) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(27);
    font.setBold(true);
    setFont(font);
    setFixedSize(110, 110);  // room for the word at every angle
}

void TurningLabel::setAngle(int degrees) {
    angle_ = degrees;
    update();
}

void TurningLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(-angle_);  // positive angles turn counter-clockwise, as font escapement does
    const QString word = QStringLiteral("Orvan");
    const QFontMetrics metrics(font());
    const QPoint origin(-metrics.horizontalAdvance(word) / 2, metrics.ascent() / 2 - 2);
    constexpr int kEmboss = 2;
    painter.setPen(QColor(255, 0, 255));  // highlight: up and left
    painter.drawText(origin - QPoint(kEmboss, kEmboss), word);
    painter.setPen(QColor(0, 255, 0));  // shadow: down and right
    painter.drawText(origin + QPoint(kEmboss, kEmboss), word);
    painter.setPen(QColor(0, 255, 255));
    painter.drawText(origin, word);
}

AboutBox::AboutBox(AppContext& app, QWidget* parent) : DialogBase(app, parent) {
    setObjectName("fmAbout");
    setWindowTitle(QCoreApplication::translate(kForm, "About program"));
    setFixedSize(kClientSize);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(4, 4, kClientSize.width() - 8, kClientSize.height() - 8);
    buildTexts(panel);

    auto* picture = new QLabel(panel);
    picture->setObjectName("Image1");
    picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture->setLineWidth(1);
    picture->setPixmap(skylinePicture());
    picture->setGeometry(panel->width() - kPictureSize.width() - 12, 8, kPictureSize.width() + 2,
                         kPictureSize.height() + 2);

    left_ = new TurningLabel(panel);
    left_->setObjectName("lbTurning1");
    left_->move(10, panel->height() - left_->height() - 6);
    right_ = new TurningLabel(panel);
    right_->setObjectName("lbTurning2");
    right_->move(panel->width() - right_->width() - 10, panel->height() - right_->height() - 6);

    QPushButton* ok =
        makeActionButton(QCoreApplication::translate(kForm, "OK", "BitBtn1"), "BitBtn1");
    ok->setParent(panel);
    ok->setGeometry((panel->width() - 90) / 2, panel->height() - 40, 90, 28);

    turnTimer_.setObjectName("Timer1");
    turnTimer_.setInterval(kTickMs);
    connect(&turnTimer_, &QTimer::timeout, this, &AboutBox::turnLabels);
    turnTimer_.start();  // runs for as long as the box exists, shown or not
}

void AboutBox::buildTexts(QWidget* panel) {
    const int textWidth = panel->width() - kPictureSize.width() - 36;
    auto place = [&](ShadowLabel* label, const char* name, int x, int y, int width) {
        label->setObjectName(name);
        // The box has a fixed size: a line longer than its room (a translation) gets a
        // smaller font rather than being cut.
        for (QFont font = label->font();
             label->sizeHint().width() > width && font.pixelSize() > 8;) {
            font.setPixelSize(font.pixelSize() - 1);
            label->setFont(font);
        }
        label->setGeometry(x, y, width, label->sizeHint().height());
    };
    place(new ShadowLabel(
              QCoreApplication::translate(kForm, "Concrete mix proportioning,", "lbTitle1"),
              aboutFont(27), QPoint(0, 1), panel),
          "lbTitle1", 12, 10, textWidth);
    place(new ShadowLabel(
              QCoreApplication::translate(kForm, "correction and strength control", "lbTitle2"),
              aboutFont(24), QPoint(0, 1), panel),
          "lbTitle2", 12, 46, textWidth);
    auto* product = new ShadowLabel(QCoreApplication::translate(kForm, "Orvan", "lbProduct"),
                                    aboutFont(35), QPoint(3, 1), panel);
    place(product, "lbProduct", (panel->width() - product->sizeHint().width()) / 2, 92,
          product->sizeHint().width());
    auto* credits = new ShadowLabel(QCoreApplication::translate(kForm,
                                                                "Written by the Orvan developers\n"
                                                                "for the technologists of precast\n"
                                                                "and ready-mix concrete plants.\n"
                                                                "Version 6.4",
                                                                "lbCredits"),
                                    aboutFont(15), QPoint(0, 1), panel);
    place(credits, "lbCredits", (panel->width() - credits->sizeHint().width()) / 2, 144,
          credits->sizeHint().width());
}

void AboutBox::turnLabels() {
    left_->step();
    right_->step();
}

QPixmap AboutBox::skylinePicture() {
    QPixmap pixmap(kPictureSize);
    QPainter painter(&pixmap);
    QLinearGradient sky(0, 0, 0, kPictureSize.height());
    sky.setColorAt(0, QColor(8, 10, 40));
    sky.setColorAt(1, QColor(40, 30, 90));
    painter.fillRect(pixmap.rect(), sky);
    QRandomGenerator random(1964);  // fixed seed: the same skyline every time
    painter.setPen(QColor(230, 230, 255));
    for (int i = 0; i < 24; ++i) painter.drawPoint(random.bounded(98), random.bounded(30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 245, 200));
    painter.drawEllipse(QRect(74, 6, 12, 12));  // the moon
    painter.setBrush(QColor(8, 10, 40));
    painter.drawEllipse(QRect(78, 4, 12, 12));
    // Buildings left to right: x, width, height; a tower crane stands over the tallest.
    struct Block {
        int x, w, h;
    };
    const Block blocks[] = {{0, 12, 30}, {11, 9, 44},  {19, 14, 36}, {32, 10, 58}, {41, 13, 40},
                            {53, 8, 50}, {60, 15, 32}, {74, 10, 46}, {83, 15, 26}};
    for (const Block& b : blocks) {
        const int top = kPictureSize.height() - b.h;
        painter.fillRect(b.x, top, b.w, b.h, QColor(20, 20, 28));
        for (int y = top + 3; y < kPictureSize.height() - 2; y += 5)
            for (int x = b.x + 2; x < b.x + b.w - 2; x += 4)
                if (random.bounded(3) != 0) painter.fillRect(x, y, 2, 2, QColor(255, 214, 90));
    }
    painter.setPen(QPen(QColor(200, 60, 40), 1));
    painter.drawLine(37, 14, 37, 4);  // crane mast over the tall block
    painter.drawLine(24, 5, 58, 5);   // jib
    painter.drawLine(54, 5, 54, 11);  // hook line
    painter.end();
    return pixmap;
}
