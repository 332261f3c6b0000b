#include "shell/Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kIconSize = 24;

QPixmap blank() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawPage(QPainter& p, const QColor& ink) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(5, 2, 14, 19);
    p.setPen(QPen(ink, 1));
    for (int y = 6; y <= 17; y += 3) p.drawLine(8, y, 16, y);
}

// A small crane over a building: the program's pictogram.
void drawCrane(QPainter& p, const QRectF& box, const QColor& colour) {
    const double w = box.width(), h = box.height();
    auto at = [&](double x, double y) { return QPointF(box.left() + x * w, box.top() + y * h); };
    p.setPen(QPen(colour, std::max(1.0, w / 24)));
    p.setBrush(Qt::NoBrush);
    p.drawLine(at(0.2, 1.0), at(0.2, 0.05));     // mast
    p.drawLine(at(0.05, 0.12), at(0.95, 0.12));  // jib
    p.drawLine(at(0.2, 0.05), at(0.95, 0.12));
    p.drawLine(at(0.8, 0.12), at(0.8, 0.4));  // hook line
    p.setBrush(colour);
    p.drawRect(QRectF(at(0.45, 0.55), at(0.95, 1.0)));  // building
    p.setBrush(Qt::white);
    for (double x : {0.52, 0.75})
        for (double y : {0.62, 0.8}) p.drawRect(QRectF(at(x, y), QSizeF(w * 0.1, h * 0.1)));
}

void drawBars(QPainter& p, const std::initializer_list<int>& heights, const QColor& colour) {
    int x = 3;
    p.setPen(Qt::black);
    p.setBrush(colour);
    for (int height : heights) {
        p.drawRect(x, kIconSize - 3 - height, 4, height);
        x += 5;
    }
}

}  // namespace

QIcon commandIcon(Command command) {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (command) {
        case Command::OpenText:
            drawPage(p, Qt::darkBlue);
            break;
        case Command::OpenGraphic:
            p.setPen(Qt::black);
            p.setBrush(QColor(160, 210, 255));
            p.drawRect(2, 4, 20, 16);
            p.setBrush(QColor(40, 150, 40));
            p.drawPolygon(QPolygon(
                {QPoint(3, 19), QPoint(10, 10), QPoint(15, 15), QPoint(18, 12), QPoint(21, 19)}));
            p.setBrush(Qt::yellow);
            p.drawEllipse(15, 6, 4, 4);
            break;
        case Command::Save:
            p.setPen(Qt::black);
            p.setBrush(QColor(40, 60, 160));
            p.drawRect(3, 3, 18, 18);
            p.setBrush(Qt::white);
            p.drawRect(7, 3, 10, 7);
            p.setBrush(Qt::lightGray);
            p.drawRect(6, 14, 12, 7);
            break;
        case Command::NewMixture:
            p.setPen(Qt::black);
            p.setBrush(QColor(150, 150, 150));
            p.drawEllipse(3, 6, 18, 12);  // the drum of a mixer
            p.setBrush(QColor(200, 120, 40));
            p.drawEllipse(7, 9, 10, 6);
            break;
        case Command::CorrectStrength:
            drawBars(p, {6, 10, 14, 18}, QColor(220, 60, 60));
            break;
        case Command::CorrectAggregates:
            p.setPen(Qt::black);
            p.setBrush(QColor(170, 130, 80));
            for (auto [x, y, d] : {std::tuple{3, 12, 8}, {11, 14, 6}, {14, 6, 7}, {5, 5, 5}})
                p.drawEllipse(x, y, d, d);
            p.setBrush(QColor(60, 120, 220));
            p.drawEllipse(17, 16, 4, 5);  // a drop of moisture
            break;
        case Command::AnalysedPeriod:
            drawBars(p, {12, 16, 10, 14}, QColor(60, 160, 60));
            break;
        case Command::ControlledPeriod:
            p.setPen(QPen(Qt::red, 1));
            p.drawLine(2, 6, 22, 6);
            p.drawLine(2, 18, 22, 18);
            p.setPen(QPen(Qt::blue, 2));
            p.drawPolyline(QPolygon(
                {QPoint(3, 12), QPoint(8, 9), QPoint(13, 14), QPoint(18, 10), QPoint(21, 12)}));
            break;
        case Command::Journal:  // a bound book
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(QColor(150, 70, 30));
            p.drawRect(4, 2, 16, 20);
            p.setBrush(Qt::white);
            p.drawRect(7, 5, 10, 5);
            break;
        default:
            break;
    }
    return QIcon(pixmap);
}

QIcon programIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 32);
    gradient.setColorAt(0, QColor(0, 170, 0));
    gradient.setColorAt(1, QColor(255, 230, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(0, 0, 32, 32, 5, 5);
    drawCrane(p, QRectF(4, 4, 24, 24), Qt::red);
    return QIcon(pixmap);
}

QPixmap splashPicture() {
    QPixmap pixmap(198, 198);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 198);
    gradient.setColorAt(0, QColor(0, 170, 60));
    gradient.setColorAt(1, QColor(255, 240, 0));
    p.fillRect(pixmap.rect(), gradient);
    QFont font;
    font.setFamilies({"Arial", "Liberation Sans"});
    font.setPixelSize(46);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QRect(0, 20, 198, 70), Qt::AlignCenter, "ORVAN");
    drawCrane(p, QRectF(64, 104, 70, 70), QColor(200, 0, 0));
    return pixmap;
}
