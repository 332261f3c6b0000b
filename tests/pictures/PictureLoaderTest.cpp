// The picture readers: each format loads with its own size; damaged files of each kind are
// refused (a null picture) instead of reaching the converters.
#include <QTemporaryDir>
#include <QtTest>

#include "SampleFiles.h"
#include "pictures/MetafileChecks.h"
#include "pictures/PictureLoader.h"

namespace {
QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
}  // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void formatByExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        QTest::newRow("bmp") << "a.bmp" << int(PictureFormat::Bitmap);
        QTest::newRow("upper-case BMP") << "/x/A.BMP" << int(PictureFormat::Bitmap);
        QTest::newRow("ico") << "a.Ico" << int(PictureFormat::Icon);
        QTest::newRow("emf") << "a.emf" << int(PictureFormat::EnhancedMetafile);
        QTest::newRow("wmf") << "a.WMF" << int(PictureFormat::Metafile);
        QTest::newRow("jpg is not shown") << "a.jpg" << int(PictureFormat::Unknown);
        QTest::newRow("txt is not shown") << "a.txt" << int(PictureFormat::Unknown);
        QTest::newRow("no extension") << "bmp" << int(PictureFormat::Unknown);
        QTest::newRow("bmp inside the name") << "a.bmp.txt" << int(PictureFormat::Unknown);
    }
    void formatByExtension() {
        QFETCH(QString, name);
        QFETCH(int, format);
        QCOMPARE(int(pictureFormatFor(name)), format);
    }

    void loadsEachFormat_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("redAt");
        QTest::addColumn<QPoint>("whiteAt");  // metafiles: the margin around the rectangle
        QTest::newRow("bitmap") << encoded(samplePicture(40, 30), "bmp")
                                << int(PictureFormat::Bitmap) << QSize(40, 30) << QPoint(5, 5)
                                << QPoint(35, 25);
        QTest::newRow("icon") << encoded(samplePicture(32, 32), "ico") << int(PictureFormat::Icon)
                              << QSize(32, 32) << QPoint(5, 5) << QPoint(28, 28);
        QTest::newRow("enhanced metafile") << sampleEmf() << int(PictureFormat::EnhancedMetafile)
                                           << QSize(200, 100) << QPoint(100, 50) << QPoint(4, 4);
        QTest::newRow("metafile, placeable") << sampleWmf(true) << int(PictureFormat::Metafile)
                                             << QSize(200, 100) << QPoint(100, 50) << QPoint(4, 4);
    }
    void loadsEachFormat() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        QFETCH(QSize, size);
        QFETCH(QPoint, redAt);
        QFETCH(QPoint, whiteAt);
        const QImage image = loadPictureData(bytes, PictureFormat(format));
        QVERIFY(!image.isNull());
        // Metafile sizes pass through unit conversions: allow a pixel either way.
        QVERIFY2(
            qAbs(image.width() - size.width()) <= 1 && qAbs(image.height() - size.height()) <= 1,
            qPrintable(QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
        const QColor pixel = image.pixelColor(redAt);
        QVERIFY2(pixel.red() > 180 && pixel.green() < 80 && pixel.blue() < 80,
                 qPrintable(pixel.name()));
        QCOMPARE(image.pixelColor(whiteAt), QColor(Qt::white));
    }

    void refusesDamagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        const QByteArray emf = sampleEmf();
        const QByteArray wmf = sampleWmf(false);
        const auto emfFormat = int(PictureFormat::EnhancedMetafile);
        const auto wmfFormat = int(PictureFormat::Metafile);
        QTest::newRow("empty emf") << QByteArray() << emfFormat;
        QTest::newRow("emf cut inside the header") << emf.left(60) << emfFormat;
        QTest::newRow("emf without its end record") << emf.left(emf.size() - 20) << emfFormat;
        QByteArray badSignature = emf;
        putLe32(badSignature, 40, 0x12345678);
        QTest::newRow("emf signature wrong") << badSignature << emfFormat;
        QByteArray zeroRecord = emf;
        putLe32(zeroRecord, 108 + 4, 0);  // first record's size 0: would loop for ever
        QTest::newRow("emf record of size 0") << zeroRecord << emfFormat;
        QByteArray longRecord = emf;
        putLe32(longRecord, 108 + 4, 0x7FFFFFF0);
        QTest::newRow("emf record longer than the file") << longRecord << emfFormat;
        QByteArray oddRecord = emf;
        putLe32(oddRecord, 108 + 4, 22);
        QTest::newRow("emf record size not a multiple of 4") << oddRecord << emfFormat;
        QByteArray secondHeader = emf;
        putLe32(secondHeader, 108, 1);
        QTest::newRow("emf second header record") << secondHeader << emfFormat;

        QTest::newRow("empty wmf") << QByteArray() << wmfFormat;
        QTest::newRow("wmf header only") << wmf.left(18) << wmfFormat;
        QTest::newRow("wmf without its end record") << wmf.left(wmf.size() - 6) << wmfFormat;
        QByteArray badVersion = wmf;
        putLe16(badVersion, 4, 0x0200);
        QTest::newRow("wmf version unknown") << badVersion << wmfFormat;
        QByteArray shortRecord = wmf;
        putLe32(shortRecord, 18, 2);  // fewer words than a record's own size and function
        QTest::newRow("wmf record of 2 words") << shortRecord << wmfFormat;
        QByteArray hugeRecord = wmf;
        putLe32(hugeRecord, 18, 0x40000000);
        QTest::newRow("wmf record longer than the file") << hugeRecord << wmfFormat;
        // A polyline whose point count runs past its record.
        QByteArray polyline = wmf.left(18);
        polyline += QByteArray::fromHex("0600000025030a00010002000000") + wmf.mid(wmf.size() - 6);
        QTest::newRow("wmf polyline count beyond its record") << polyline << wmfFormat;
        QByteArray text = wmf.left(18);
        text += QByteArray::fromHex("050000002105ff004142") + wmf.mid(wmf.size() - 6);
        QTest::newRow("wmf text length beyond its record") << text << wmfFormat;

        QTest::newRow("bitmap of random bytes")
            << QByteArray("BM\x10\x00\x00\x00garbage", 13) << int(PictureFormat::Bitmap);
        QByteArray giant = encoded(samplePicture(4, 4), "bmp");
        putLe32(giant, 18, 100000);  // width: 100000 x 4 pixels exceeds the side limit
        QTest::newRow("bitmap claiming a 100000-pixel width")
            << giant << int(PictureFormat::Bitmap);
        QTest::newRow("icon of random bytes")
            << QByteArray("\0\0\1\0\1\0zz", 8) << int(PictureFormat::Icon);
    }
    void refusesDamagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        QVERIFY(loadPictureData(bytes, PictureFormat(format)).isNull());
    }

    // A bitmap inside a metafile: a sound one is drawn; a header that claims more than the
    // record holds, or a kind libwmf would decode unchecked, refuses the file.
    void metafileBitmaps_data() {
        QTest::addColumn<int>("at");  // offset inside the bitmap header, -1: unchanged
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("width");  // 4: a 32-bit field, 2: a 16-bit one
        QTest::addColumn<bool>("loads");
        QTest::newRow("sound bitmap") << -1 << 0u << 4 << true;
        QTest::newRow("height beyond the pixel rows") << 8 << 3000u << 4 << false;
        QTest::newRow("width beyond the pixel rows") << 4 << 40u << 4 << false;
        QTest::newRow("width negative") << 4 << 0xFFFFFFFEu << 4 << false;
        QTest::newRow("top-down (negative) height") << 8 << 0xFFFFFFFEu << 4 << false;
        QTest::newRow("7 bits per pixel") << 14 << 7u << 2 << false;
        QTest::newRow("8 bits: no room for 256 colours") << 14 << 8u << 2 << false;
        QTest::newRow("run-length compressed") << 16 << 1u << 4 << false;
        QTest::newRow("colour count beyond the bit depth") << 32 << 300u << 4 << false;
        QTest::newRow("header size unknown") << 0 << 64u << 4 << false;
    }
    void metafileBitmaps() {
        QFETCH(int, at);
        QFETCH(quint32, value);
        QFETCH(int, width);
        QFETCH(bool, loads);
        QByteArray wmf = sampleWmfWithBitmap();
        if (at >= 0 && width == 4) putLe32(wmf, kSampleBitmapAt + at, value);
        if (at >= 0 && width == 2) putLe16(wmf, kSampleBitmapAt + at, quint16(value));
        const QImage image = loadWmfData(wmf);
        QCOMPARE(!image.isNull(), loads);
        if (loads) {
            const QColor pixel = image.pixelColor(4, 4);  // the bitmap covers the margin too
            QVERIFY2(pixel.red() > 180 && pixel.green() < 80, qPrintable(pixel.name()));
        }
    }

    void checkedLengthStopsAtTheEndRecord() {
        // Bytes after the end-of-file record are not handed to the converters.
        const QByteArray emf = sampleEmf() + QByteArray(40, 'x');
        QCOMPARE(checkedEmfLength(reinterpret_cast<const unsigned char*>(emf.constData()),
                                  std::size_t(emf.size())),
                 std::size_t(sampleEmf().size()));
        const QByteArray wmf = sampleWmf() + QByteArray(40, 'x');
        QCOMPARE(checkedWmfLength(reinterpret_cast<const unsigned char*>(wmf.constData()),
                                  std::size_t(wmf.size())),
                 std::size_t(sampleWmf().size()));
    }

    void filesByName() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString bmp = dir.filePath("a.bmp"), copy = dir.filePath("a.txt");
        QVERIFY(writeFile(bmp, encoded(samplePicture(8, 6), "bmp")));
        QVERIFY(writeFile(copy, encoded(samplePicture(8, 6), "bmp")));
        QCOMPARE(loadPictureFile(bmp).size(), QSize(8, 6));
        QVERIFY(loadPictureFile(copy).isNull());  // a bitmap under another extension
        QVERIFY(loadPictureFile(dir.filePath("missing.bmp")).isNull());
        QVERIFY(loadPictureFile(dir.path()).isNull());  // a folder
    }

    // Among the four extensions the content chooses the reader; bytes that no signature
    // names go to the extension's reader.
    void filesByContent_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");  // empty: nothing shown; (1, 1): any size
        QTest::newRow("enhanced metafile named .wmf")
            << "chart.wmf" << sampleEmf() << QSize(200, 100);
        QTest::newRow("placeable metafile named .emf")
            << "a.EMF" << sampleWmf(true) << QSize(200, 100);
        QTest::newRow("plain metafile named .bmp") << "a.bmp" << sampleWmf(false) << QSize(1, 1);
        QTest::newRow("bitmap named .ico")
            << "a.ico" << encoded(samplePicture(8, 6), "bmp") << QSize(8, 6);
        QTest::newRow("icon named .emf")
            << "a.emf" << encoded(samplePicture(16, 16), "ico") << QSize(16, 16);
        QTest::newRow("no signature: the extension's reader")
            << "a.emf" << QByteArray(64, 'x') << QSize();
        QTest::newRow("enhanced metafile named .txt") << "a.txt" << sampleEmf() << QSize();
    }
    void filesByContent() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(name), bytes));
        const QImage image = loadPictureFile(dir.filePath(name));
        QCOMPARE(image.isNull(), size.isEmpty());
        if (!size.isEmpty() && size != QSize(1, 1))  // metafile sizes pass unit conversions
            QVERIFY(qAbs(image.width() - size.width()) <= 1 &&
                    qAbs(image.height() - size.height()) <= 1);
    }
};

QTEST_MAIN(PictureLoaderTest)
#include "PictureLoaderTest.moc"
