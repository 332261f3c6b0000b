// Bitmaps and icons: Qt's own readers. The reader's allocation limit and the size check
// refuse headers that claim enormous pictures before any pixel memory is taken.
#include <QBuffer>
#include <QImageReader>

#include "pictures/PictureLoader.h"

namespace {
QImage readOne(QImageReader& reader) {
    const QSize size = reader.size();
    if (size.isValid() && !pictureSizeAllowed(size.width(), size.height())) return {};
    QImage image = reader.read();
    if (image.isNull() || !pictureSizeAllowed(image.width(), image.height())) return {};
    return image;
}

QImage readRaster(const QByteArray& data, const char* format, bool largestFrame) {
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)));  // MB at 32 bits
    if (!largestFrame || reader.imageCount() <= 1) return readOne(reader);
    // An icon holds several sizes; show the largest, as a picture viewer would.
    QImage best;
    const int count = qMin(reader.imageCount(), 256);
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i)) break;
        QImage image = readOne(reader);
        if (!image.isNull() &&
            qint64(image.width()) * image.height() > qint64(best.width()) * best.height())
            best = image;
    }
    return best;
}
}  // namespace

QImage loadBitmapData(const QByteArray& data) {
    return readRaster(data, "bmp", false);
}
QImage loadIconData(const QByteArray& data) {
    return readRaster(data, "ico", true);
}
