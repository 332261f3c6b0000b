#include "app/viewers/PictureLoader.h"

#include <QFile>
#include <QFileInfo>

PictureFormat pictureFormatFor(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("bmp")) return PictureFormat::Bitmap;
    if (suffix == QLatin1String("ico")) return PictureFormat::Icon;
    if (suffix == QLatin1String("emf")) return PictureFormat::EnhancedMetafile;
    if (suffix == QLatin1String("wmf")) return PictureFormat::Metafile;
    return PictureFormat::Unknown;
}

bool pictureSizeAllowed(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

QImage loadPictureData(const QByteArray& data, PictureFormat format) {
    switch (format) {
        case PictureFormat::Bitmap:
            return loadBitmapData(data);
        case PictureFormat::Icon:
            return loadIconData(data);
        case PictureFormat::EnhancedMetafile:
            return loadEmfData(data);
        case PictureFormat::Metafile:
            return loadWmfData(data);
        case PictureFormat::Unknown:
            break;
    }
    return {};
}

QImage loadPictureFile(const QString& fileName) {
    const PictureFormat format = pictureFormatFor(fileName);
    if (format == PictureFormat::Unknown) return {};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFileBytes) return {};
    const QByteArray data = file.read(kMaxPictureFileBytes + 1);
    file.close();
    if (data.size() > kMaxPictureFileBytes) return {};
    return loadPictureData(data, format);
}
