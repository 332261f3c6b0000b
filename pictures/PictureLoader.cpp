#include "pictures/PictureLoader.h"

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

namespace {

quint32 littleEndian32(const QByteArray& data, int at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | quint8(data.at(at + i));
    return value;
}

quint16 littleEndian16(const QByteArray& data, int at) {
    return quint16(quint8(data.at(at)) | quint8(data.at(at + 1)) << 8);
}

}  // namespace

PictureFormat pictureFormatOfData(const QByteArray& data) {
    constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
    constexpr quint32 kEmfSignature = 0x464D4520;  // " EMF"
    constexpr int kEmfSignatureAt = 40;
    if (data.size() >= 2 && data.startsWith("BM")) return PictureFormat::Bitmap;
    if (data.size() >= 4 && littleEndian32(data, 0) == kPlaceableKey)
        return PictureFormat::Metafile;
    if (data.size() >= kEmfSignatureAt + 4 && littleEndian32(data, 0) == 1 &&
        littleEndian32(data, kEmfSignatureAt) == kEmfSignature)
        return PictureFormat::EnhancedMetafile;
    if (data.size() >= 6) {
        const quint16 first = littleEndian16(data, 0), words = littleEndian16(data, 2),
                      version = littleEndian16(data, 4);
        if (first == 0 && words == 1) return PictureFormat::Icon;
        if ((first == 1 || first == 2) && words == 9 && (version == 0x0100 || version == 0x0300))
            return PictureFormat::Metafile;
    }
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
    const PictureFormat content = pictureFormatOfData(data);
    return loadPictureData(data, content == PictureFormat::Unknown ? format : content);
}
