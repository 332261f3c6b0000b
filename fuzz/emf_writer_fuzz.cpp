// The metafile writer fed random drawing calls: it never crashes, and what it writes is a
// metafile whose every record passes libUEMF's own record checks.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "pictures/EmfPaintDevice.h"

extern "C" {
#include <uemf.h>
#include <uemf_safe.h>
}

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return pos_ < size_; }
    int next() { return pos_ < size_ ? data_[pos_++] : 0; }
    int coordinate() { return (next() << 8 | next()) % 1200 - 100; }
    QColor colour() { return QColor(next(), next(), next(), next()); }
    QString text() {
        QString out;
        for (int n = next() % 12; n > 0; --n) out += QChar(char16_t(0x20 + next() * 5));
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void drawOne(QPainter& p, Bytes& in) {
    switch (in.next() % 14) {
        case 0:
            p.drawLine(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate());
            break;
        case 1:
            p.drawRect(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate());
            break;
        case 2:
            p.drawEllipse(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate());
            break;
        case 3: {
            QPolygon polygon;
            for (int n = in.next() % 9; n > 0; --n)
                polygon << QPoint(in.coordinate(), in.coordinate());
            p.drawPolygon(polygon);
            break;
        }
        case 4:
            p.drawText(QPoint(in.coordinate(), in.coordinate()), in.text());
            break;
        case 5: {
            QPen pen(in.colour(), in.next() % 9);
            pen.setStyle(Qt::PenStyle(in.next() % 6));
            pen.setCosmetic(in.next() & 1);
            p.setPen(pen);
            break;
        }
        case 6: {
            if (in.next() & 1) {
                QLinearGradient gradient(0, 0, in.coordinate(), in.coordinate());
                gradient.setColorAt(0, in.colour());
                gradient.setColorAt(1, in.colour());
                p.setBrush(gradient);
            } else {
                p.setBrush(QBrush(in.colour(), Qt::BrushStyle(in.next() % 15)));
            }
            break;
        }
        case 7:
            p.setClipRect(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate(),
                          Qt::ClipOperation(in.next() % 3));
            break;
        case 8:
            p.save();
            break;
        case 9:
            p.restore();
            break;
        case 10:
            p.rotate(in.next() * 3);
            p.translate(in.coordinate() / 10, in.coordinate() / 10);
            break;
        case 11: {
            QPainterPath path;
            path.moveTo(in.coordinate(), in.coordinate());
            path.cubicTo(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate(),
                         in.coordinate(), in.coordinate());
            path.addText(in.coordinate(), in.coordinate(), p.font(), in.text());
            p.drawPath(path);
            break;
        }
        case 12: {
            QImage image(1 + in.next() % 16, 1 + in.next() % 16, QImage::Format_ARGB32);
            image.fill(in.colour());
            p.drawImage(QRect(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate()),
                        image);
            break;
        }
        case 13: {
            QFont font = p.font();
            font.setPixelSize(1 + in.next() % 40);
            font.setBold(in.next() & 1);
            p.setFont(font);
            break;
        }
    }
}

void checkMetafile(const QByteArray& data) {
    if (data.size() < 88) std::abort();
    const auto* bytes = reinterpret_cast<const char*>(data.constData());
    std::uint32_t type, size;
    std::memcpy(&type, bytes, 4);
    if (type != U_EMR_HEADER || std::memcmp(bytes + 40, " EMF", 4) != 0) std::abort();
    // Every record, one after another, to the end of file record.
    std::size_t offset = 0;
    const char* end = bytes + data.size();
    while (offset < std::size_t(data.size())) {
        const char* record = bytes + offset;
        if (!U_emf_record_safe(record)) std::abort();
        std::memcpy(&size, record + 4, 4);
        std::memcpy(&type, record, 4);
        if (size < 8 || size % 4 != 0 || record + size > end) std::abort();
        offset += size;
        if (type == U_EMR_EOF) break;
    }
    if (offset != std::size_t(data.size())) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    EmfPaintDevice device(QSize(1 + in.next() * 4, 1 + in.next() * 2), "fuzz");
    {
        QPainter painter(&device);
        for (int calls = 0; in.more() && calls < 200; ++calls) drawOne(painter, in);
    }
    checkMetafile(device.data());
    return 0;
}
