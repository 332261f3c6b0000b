#include "strength_control/ControlChartPicture.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "kit/Messages.h"
#include "pictures/EmfPaintDevice.h"
#include "strength_control/calc/ControlChart.h"

namespace {

using orvan::control::PictureFormat;
using Written = orvan::Outcome<>;

Written failedWith(const QString& reason) {
    return Written::failed(toCore(reason));
}

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

Written writeRaster(QGraphicsScene& scene, const QRectF& source, const char* format,
                    QIODevice& out) {
    QImage image = renderImage(scene, source);
    if (qstrcmp(format, "ico") == 0 && (image.width() > kIconSide || image.height() > kIconSide))
        image = image.scaled(kIconSide, kIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImageWriter writer(&out, format);
    if (writer.write(image)) return Written::done({});
    return failedWith(writer.errorString());
}

Written writeSvg(QGraphicsScene& scene, const QRectF& source, QIODevice& out) {
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
    if (out.write(buffer.data()) == buffer.data().size()) return Written::done({});
    return failedWith(out.errorString());
}

Written writeEmf(QGraphicsScene& scene, const QRectF& source, QIODevice& out) {
    const QByteArray data = renderChartEmf(scene, source);
    if (data.isEmpty()) return failedWith(QStringLiteral("the metafile could not be made"));
    if (out.write(data) == data.size()) return Written::done({});
    return failedWith(out.errorString());
}

Written writeFormat(QGraphicsScene& scene, const QRectF& source, PictureFormat format,
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
    return failedWith(QStringLiteral("unknown picture format"));
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

orvan::Outcome<> writeChartPicture(QGraphicsScene& scene, const QRectF& source,
                                   const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return failedWith(file.errorString());
    const PictureFormat format = orvan::control::pictureFormatForName(fileName.toStdString());
    if (Written written = writeFormat(scene, source, format, file); !written.ok()) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit()) return failedWith(file.errorString());
    return Written::done({});
}

namespace {

constexpr double kPageMarginMm = 12;
constexpr int kTitlePoints = 12;  // the first line of the title block
constexpr int kBlockPoints = 9;   // its other lines

}  // namespace

orvan::Outcome<> writeChartPage(QGraphicsScene& scene, const QRectF& source,
                                const QStringList& titleBlock, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return failedWith(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                        QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                        QPageLayout::Millimeter));
        writer.setTitle(titleBlock.value(0));
        writer.setCreator(QStringLiteral("Orvan-6.4"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return failedWith(QStringLiteral("the PDF could not be started"));
        }
        const QRectF page(QPointF(0, 0),
                          writer.pageLayout().paintRectPixels(writer.resolution()).size());
        double y = 0;
        for (int i = 0; i < titleBlock.size(); ++i) {
            QFont font(QStringLiteral("Arial"));
            font.setPointSizeF(i == 0 ? kTitlePoints : kBlockPoints);
            font.setBold(i == 0);
            painter.setFont(font);
            const QFontMetricsF metrics(font, &writer);
            painter.drawText(QRectF(0, y, page.width(), metrics.height()), Qt::AlignLeft,
                             titleBlock[i]);
            y += metrics.height() * (i == 0 ? 1.4 : 1.15);
        }
        y += page.height() * 0.02;
        QRectF target(0, y, page.width(), page.height() - y);
        // The chart keeps its proportions, centred in the room left.
        const QSizeF fitted = source.size().scaled(target.size(), Qt::KeepAspectRatio);
        target = QRectF(target.left() + (target.width() - fitted.width()) / 2, target.top(),
                        fitted.width(), fitted.height());
        scene.render(&painter, target, source);
        painter.end();
    }
    if (!file.commit()) return failedWith(file.errorString());
    return Written::done({});
}
