#include "SampleFiles.h"

#include <QFile>
#include <QPainter>
#include <initializer_list>

namespace {
void add16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xFF)).append(char(v >> 8));
}
void add32(QByteArray& b, quint32 v) {
    add16(b, quint16(v & 0xFFFF));
    add16(b, quint16(v >> 16));
}
void add32s(QByteArray& b, std::initializer_list<qint32> values) {
    for (qint32 v : values) add32(b, quint32(v));
}
quint32 colorRef(const QColor& c) {
    return quint32(c.red() | c.green() << 8 | c.blue() << 16);
}

// One WMF record: size in 16-bit words, function, parameters.
void wmfRecord(QByteArray& b, quint16 function, std::initializer_list<quint16> params) {
    add32(b, quint32(3 + params.size()));
    add16(b, function);
    for (quint16 p : params) add16(b, p);
}
}  // namespace

void putLe16(QByteArray& bytes, qsizetype at, quint16 value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
}
void putLe32(QByteArray& bytes, qsizetype at, quint32 value) {
    putLe16(bytes, at, quint16(value & 0xFFFF));
    putLe16(bytes, at + 2, quint16(value >> 16));
}

QByteArray sampleEmf() {
    QByteArray records;
    add32s(records, {39, 24, 1, 0});  // EMR_CREATEBRUSHINDIRECT: handle 1, solid
    add32(records, colorRef(kSampleRed));
    add32(records, 0);
    add32s(records, {37, 12, 1});                // EMR_SELECTOBJECT handle 1
    add32s(records, {43, 24, 10, 10, 190, 90});  // EMR_RECTANGLE
    add32s(records, {14, 20, 0, 16, 20});        // EMR_EOF
    const int headerSize = 108;
    QByteArray b;
    add32s(b, {1, headerSize, 0, 0, 199, 99});  // type, size, bounds (device pixels)
    add32s(b, {0, 0, 5265, 2619});              // frame in 0.01 mm (96 dpi)
    add32s(b, {0x464D4520, 0x10000, qint32(headerSize + records.size()), 5});
    add16(b, 2);  // handles: the reserved 0 and the brush
    add16(b, 0);
    add32s(b, {0, 0, 0, 1920, 1080, 508, 286});  // description, palette, device, mm
    add32s(b, {0, 0, 0, 508000, 286000});        // pixel format, OpenGL, micrometres
    return b + records;
}

QByteArray sampleWmf(bool placeable) {
    QByteArray records;
    wmfRecord(records, 0x020B, {0, 0});      // SETWINDOWORG y, x
    wmfRecord(records, 0x020C, {100, 200});  // SETWINDOWEXT height, width
    const quint32 red = colorRef(kSampleRed);
    wmfRecord(records, 0x02FC, {0, quint16(red & 0xFFFF), quint16(red >> 16), 0});  // brush
    wmfRecord(records, 0x012D, {0});                // SELECTOBJECT 0
    wmfRecord(records, 0x041B, {90, 190, 10, 10});  // RECTANGLE bottom, right, top, left
    wmfRecord(records, 0x0000, {});                 // EOF
    QByteArray b;
    if (placeable) {
        QByteArray head;
        add32(head, 0x9AC6CDD7);
        add16(head, 0);
        for (quint16 v : {0, 0, 200, 100, 72}) add16(head, v);  // box, 72 units per inch
        add32(head, 0);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2) sum ^= quint16(uchar(head[i]) | uchar(head[i + 1]) << 8);
        add16(head, sum);
        b += head;
    }
    add16(b, 1);
    add16(b, 9);
    add16(b, 0x0300);
    add32(b, quint32(9 + records.size() / 2));
    add16(b, 1);  // objects
    add32(b, 7);  // largest record, words
    add16(b, 0);
    return b + records;
}

QByteArray sampleWmfWithBitmap() {
    // DIBSTRETCHBLT of a 2 x 2 24-bit bitmap, all red, over the frame 0..200 x 0..100.
    QByteArray dib;
    add32s(dib, {40, 2, 2});
    add16(dib, 1);
    add16(dib, 24);
    add32s(dib, {0, 16, 0, 0, 0, 0});
    for (int row = 0; row < 2; ++row) {
        for (int px = 0; px < 2; ++px)
            dib.append(char(kSampleRed.blue()))
                .append(char(kSampleRed.green()))
                .append(char(kSampleRed.red()));
        dib.append(2, '\0');  // rows padded to 4 bytes
    }
    QByteArray record;
    add32(record, quint32(3 + 10 + dib.size() / 2));
    add16(record, 0x0B41);
    for (quint16 v : {0x0020, 0x00CC, 2, 2, 0, 0, 100, 200, 0, 0}) add16(record, v);
    record += dib;
    QByteArray wmf = sampleWmf(true);
    wmf.insert(wmf.size() - 6, record);  // before the end record
    putLe32(wmf, 22 + 6, quint32((wmf.size() - 22) / 2));
    putLe32(wmf, 22 + 12, quint32(record.size() / 2));
    return wmf;
}

QImage samplePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, width / 2, height / 2), kSampleRed);
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
