// Drawing the SVG text of the metafile converters into an image, unscaled, on white (a
// metafile has no background of its own; Windows viewers show it on white).
#include <QPainter>
#include <QSvgRenderer>

#include "pictures/PictureLoader.h"

QImage renderSvgData(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return {};
    QSize size = renderer.defaultSize();
    if (!size.isValid() || size.isEmpty()) {
        const QRectF box = renderer.viewBoxF();
        size = QSize(qRound(qBound(0.0, box.width(), 1e9)), qRound(qBound(0.0, box.height(), 1e9)));
    }
    if (!pictureSizeAllowed(size.width(), size.height())) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}
