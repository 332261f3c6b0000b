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

WriteFailure writeRaster(QGraphicsScene& scene, const QRectF& source, const char* format,
                         QIODevice& out) {
    QImage image = renderImage(scene, source);
    if (qstrcmp(format, "ico") == 0 && (image.width() > kIconSide || image.height() > kIconSide))
        image = image.scaled(kIconSide, kIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImageWriter writer(&out, format);
    if (writer.write(image)) return std::nullopt;
    return writer.errorString();
}

WriteFailure writeSvg(QGraphicsScene& scene, const QRectF& source, QIODevice& out) {
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
    if (out.write(buffer.data()) == buffer.data().size()) return std::nullopt;
    return out.errorString();
}

WriteFailure writeEmf(QGraphicsScene& scene, const QRectF& source, QIODevice& out) {
    const QByteArray data = renderChartEmf(scene, source);
    if (data.isEmpty()) return QStringLiteral("the metafile could not be made");
    if (out.write(data) == data.size()) return std::nullopt;
    return out.errorString();
}

WriteFailure writeFormat(QGraphicsScene& scene, const QRectF& source, PictureFormat format,
                         QIODevice& out) {
    switch (format) {
        case PictureFormat::Bmp:
            return writeRaster(scene, source, "bmp", out);
        case PictureFormat::Ico:
            return writeRaster(scene, source, "ico", out);
        case PictureFormat::Png:
            return writeRaster(scene, source, "png", out);
        case PictureFormat::Svg:
            return writeSvg(scene, source, out);
        case PictureFormat::Emf:
            return writeEmf(scene, source, out);
    }
    return QStringLiteral("unknown picture format");
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

WriteFailure writeChartPicture(QGraphicsScene& scene, const QRectF& source,
                               const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const PictureFormat format = orvan::control::pictureFormatForName(fileName.toStdString());
    if (WriteFailure failure = writeFormat(scene, source, format, file)) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}
