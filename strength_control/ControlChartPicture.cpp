#include "strength_control/ControlChartPicture.h"

#include <QBuffer>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "pictures/EmfPaintDevice.h"
#include "strength_control/calc/ControlChart.h"

namespace {

using orvan::control::PictureFormat;

// An icon holds at most 256 by 256 pixels.
constexpr int kIconSide = 256;

QImage renderImage(QGraphicsScene& scene, const QRectF& source) {
    QImage image(source.size().toSize().expandedTo(QSize(1, 1)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), image.size()), source);
    return image;
}

bool writeRaster(QGraphicsScene& scene, const QRectF& source, const char* format, QIODevice& out,
                 QString* error) {
    QImage image = renderImage(scene, source);
    if (qstrcmp(format, "ico") == 0 && (image.width() > kIconSide || image.height() > kIconSide))
        image = image.scaled(kIconSide, kIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImageWriter writer(&out, format);
    if (writer.write(image)) return true;
    *error = writer.errorString();
    return false;
}

bool writeSvg(QGraphicsScene& scene, const QRectF& source, QIODevice& out, QString* error) {
    QBuffer buffer;  // the generator reports no write errors: check the file's write after
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(source.size().toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), source.size()));
    generator.setTitle(QString::fromLatin1(orvan::control::kChartTitle));
    {
        QPainter painter(&generator);
        scene.render(&painter, QRectF(QPointF(0, 0), source.size()), source);
    }
    if (out.write(buffer.data()) == buffer.data().size()) return true;
    *error = out.errorString();
    return false;
}

bool writeEmf(QGraphicsScene& scene, const QRectF& source, QIODevice& out, QString* error) {
    const QByteArray data = renderChartEmf(scene, source);
    if (data.isEmpty()) {
        *error = QStringLiteral("the metafile could not be made");
        return false;
    }
    if (out.write(data) == data.size()) return true;
    *error = out.errorString();
    return false;
}

}  // namespace

QByteArray renderChartEmf(QGraphicsScene& scene, const QRectF& source) {
    EmfPaintDevice device(
        source.size().toSize(),
        QStringLiteral("Orvan-6.4\n") + QString::fromLatin1(orvan::control::kChartTitle));
    QPainter painter;
    if (!painter.begin(&device)) return {};
    scene.render(&painter, QRectF(QPointF(0, 0), source.size()), source);
    painter.end();
    return device.data();
}

bool writeChartPicture(QGraphicsScene& scene, const QRectF& source, const QString& fileName,
                       QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    bool written = false;
    switch (orvan::control::pictureFormatForName(fileName.toStdString())) {
        case PictureFormat::Bmp:
            written = writeRaster(scene, source, "bmp", file, error);
            break;
        case PictureFormat::Ico:
            written = writeRaster(scene, source, "ico", file, error);
            break;
        case PictureFormat::Png:
            written = writeRaster(scene, source, "png", file, error);
            break;
        case PictureFormat::Svg:
            written = writeSvg(scene, source, file, error);
            break;
        case PictureFormat::Emf:
            written = writeEmf(scene, source, file, error);
            break;
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
