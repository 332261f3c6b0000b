#pragma once
// Reading the picture files the picture window shows: Windows bitmaps and icons through Qt's
// image readers, Enhanced Metafiles through emf2svg, Windows metafiles through libwmf (both
// drawn by way of SVG). Each reader takes the file's bytes and returns a null image for
// anything it cannot read; none of them shows a message. They are kept apart from the window
// so that each can be fed malformed input on its own (fuzz/).
#include <QByteArray>
#include <QImage>
#include <QString>

enum class PictureFormat { Unknown, Bitmap, Icon, EnhancedMetafile, Metafile };

// The format by the file name's extension, letter case ignored: bmp, ico, emf, wmf.
PictureFormat pictureFormatFor(const QString& fileName);

// Limits that keep a damaged or hostile file from exhausting memory: a file larger than
// kMaxPictureFileBytes is not read, and a picture whose drawing would need more than
// kMaxPicturePixels pixels or a side longer than kMaxPictureSide is refused.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;
inline constexpr qint64 kMaxPicturePixels = 32 * 1024 * 1024;
inline constexpr int kMaxPictureSide = 16384;

QImage loadBitmapData(const QByteArray& data);  // bmp
QImage loadIconData(const QByteArray& data);    // ico: the largest image of the icon
QImage loadEmfData(const QByteArray& data);
QImage loadWmfData(const QByteArray& data);

// Renders SVG text (what the metafile converters write) at its own size on white.
QImage renderSvgData(const QByteArray& svg);

// The format by the first bytes' signature: BMP "BM", icon (reserved 0, type 1), Enhanced
// Metafile (header record 1 with " EMF" at byte 40), placeable (D7 CD C6 9A) or plain Windows
// metafile (type 1 or 2, header of 9 words, version 1 or 3). Unknown when none matches.
PictureFormat pictureFormatOfData(const QByteArray& data);

QImage loadPictureData(const QByteArray& data, PictureFormat format);
// Reads a file whose extension is one of the four and chooses its reader by the content,
// falling back to the extension (a chart saved as ".wmf" holds an Enhanced Metafile); a null
// image when the file is missing, unreadable, too large, of another format or damaged.
QImage loadPictureFile(const QString& fileName);

// True when a picture of that size may be drawn (see the limits above).
bool pictureSizeAllowed(qint64 width, qint64 height);
