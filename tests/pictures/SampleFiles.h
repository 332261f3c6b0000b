#pragma once
// Small picture files made by the tests: a red rectangle on white as an Enhanced Metafile
// and as a Windows metafile (200 x 100 units), written record by record.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

QByteArray sampleEmf();
QByteArray sampleWmf(bool placeable = true);
// The placeable sample with a bitmap record (DIBSTRETCHBLT) that covers the whole frame;
// its bitmap header starts at kSampleBitmapAt.
QByteArray sampleWmfWithBitmap();
inline constexpr int kSampleBitmapAt = 22 + 18 + 56 + 6 + 20;  // headers, 5 records, own
// A plain picture of that size, for the bitmap and icon files.
QImage samplePicture(int width, int height);
bool writeFile(const QString& path, const QByteArray& bytes);

// Little-endian writers for building damaged variants.
void putLe16(QByteArray& bytes, qsizetype at, quint16 value);
void putLe32(QByteArray& bytes, qsizetype at, quint32 value);

inline const QColor kSampleRed(220, 20, 30);
