// Saving the control chart: the Enhanced Metafile writer's records, the chart's metafile read
// back by emf2svg, the save dialog, the formats by file name and failed saves.
#include <QChart>
#include <QFileDialog>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <functional>

#include "ControlFixture.h"
#include "EmfCheck.h"
#include "NumberLocale.h"
#include "common/NumberText.h"
#include "pictures/EmfPaintDevice.h"

namespace {

using Drawing = std::function<void(QPainter&)>;

QByteArray paintEmf(const Drawing& draw, QSize size = QSize(200, 100)) {
    EmfPaintDevice device(size, "Orvan-6.4\ntest");
    QPainter painter(&device);
    draw(painter);
    painter.end();
    return device.data();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isEmf(const QByteArray& data) {
    return data.size() > 88 && emfWord(data, 0) == U_EMR_HEADER &&
           emfWord(data, 40) == U_ENHMETA_SIGNATURE;
}

// Draws the chart of the worked example (limits 30/27/25/23/20, batches 25, 26, 24) and runs
// `withChart` while the chart window is up.
void withDrawnChart(ControlWindows& w, const std::function<void()>& withChart,
                    const QStringList& batches = {"25", "26", "24"}, const char* count = "3") {
    w.setFigures("25", count, "27", "23", "30", "20");
    PromptLog log;
    std::vector<ModalScript::Step> steps;
    for (const QString& batch : batches) steps.push_back(answerPrompt(w, log, batch));
    steps.push_back(inspectChart(w, withChart));
    ModalScript script(std::move(steps));
    script.start();
    w.chart->exec();
}

}  // namespace

Q_DECLARE_METATYPE(Drawing)

class ControlPictureTest : public QObject {
    Q_OBJECT

private slots:
    // The ten-batch chart numbers its parties 0 to 10 under the axis, as the window shows it
    // (localized numbers written with "%d" once drew none), in the saved picture too.
    void tenBatchChartNumbersItsParties() {
        QTemporaryDir dir;
        ControlWindows w;
        orvan::Outcome<> saved = orvan::Outcome<>::done({});
        withDrawnChart(
            w, [&] { saved = w.chart->savePicture(dir.filePath("c.svg")); },
            {"25", "26", "24", "27.5", "19", "31", "22.4", "25.1", "23", "28"}, "10");
        QVERIFY2(saved.ok(), saved.message.c_str());
        const QByteArray svg = readFile(dir.filePath("c.svg"));
        for (int party = 0; party <= 10; ++party)
            QVERIFY2(svg.contains(">" + QByteArray::number(party) + "<"),
                     qPrintable(QString::number(party)));
    }
    void initTestCase() { useDecimalPoint(); }

    void emfRecords_data() {
        QTest::addColumn<Drawing>("draw");
        QTest::addColumn<QList<quint32>>("expected");  // record types that must appear
        QTest::newRow("wide line") << Drawing([](QPainter& p) {
            p.setPen(QPen(QColor(0, 128, 0), 3));
            p.drawLine(QPointF(0, 10), QPointF(190, 10));
        }) << QList<quint32>{U_EMR_EXTCREATEPEN, U_EMR_SELECTOBJECT, U_EMR_POLYLINE};
        QTest::newRow("thin dashed line") << Drawing([](QPainter& p) {
            p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
            p.drawLine(QPointF(0, 10), QPointF(190, 10));
        }) << QList<quint32>{U_EMR_CREATEPEN, U_EMR_POLYLINE};
        QTest::newRow("filled rectangle with outline") << Drawing([](QPainter& p) {
            p.setPen(Qt::black);
            p.setBrush(QColor(255, 0, 255));
            p.drawRect(QRectF(10, 10, 20, 20));
        }) << QList<quint32>{U_EMR_CREATEBRUSHINDIRECT, U_EMR_POLYPOLYGON, U_EMR_POLYLINE};
        QTest::newRow("gradient fill in a plain colour") << Drawing([](QPainter& p) {
            QLinearGradient gradient(0, 0, 100, 0);
            gradient.setColorAt(0, Qt::red);
            gradient.setColorAt(1, Qt::yellow);
            p.fillRect(QRectF(0, 0, 100, 50), gradient);
        }) << QList<quint32>{U_EMR_CREATEBRUSHINDIRECT, U_EMR_POLYPOLYGON};
        QTest::newRow("text") << Drawing([](QPainter& p) {
            p.setFont(QFont("Arial", 9));
            p.drawText(QPointF(5, 50), "Strength, МPа");
        }) << QList<quint32>{U_EMR_EXTCREATEFONTINDIRECTW, U_EMR_SETTEXTCOLOR, U_EMR_EXTTEXTOUTW};
        QTest::newRow("clip, then objects inside and outside")
            << Drawing([](QPainter& p) {
                   p.setPen(QPen(Qt::red, 2));
                   p.drawLine(0, 0, 50, 50);
                   p.setClipRect(QRect(10, 10, 50, 50));
                   p.setPen(QPen(Qt::blue, 2));
                   p.drawLine(0, 50, 50, 0);
                   p.setClipping(false);
                   p.setPen(QPen(Qt::green, 2));
                   p.drawLine(0, 20, 50, 20);
               })
            << QList<quint32>{U_EMR_SAVEDC, U_EMR_INTERSECTCLIPRECT, U_EMR_RESTOREDC,
                              U_EMR_DELETEOBJECT};
        QTest::newRow("picture") << Drawing([](QPainter& p) {
            QImage image(4, 3, QImage::Format_ARGB32);
            image.fill(QColor(0, 0, 255, 128));
            p.drawImage(QRectF(10, 10, 40, 30), image);
        }) << QList<quint32>{U_EMR_STRETCHDIBITS};
        QTest::newRow("curved path and transform") << Drawing([](QPainter& p) {
            p.translate(100, 50);
            p.scale(2, 2);
            QPainterPath path;
            path.addEllipse(QRectF(-10, -10, 20, 20));
            p.setBrush(Qt::green);
            p.drawPath(path);
        }) << QList<quint32>{U_EMR_POLYPOLYGON};
        QTest::newRow("nothing drawn") << Drawing([](QPainter&) {}) << QList<quint32>{};
    }
    void emfRecords() {
        QFETCH(Drawing, draw);
        QFETCH(QList<quint32>, expected);
        const QByteArray data = paintEmf(draw);
        QVERIFY(isEmf(data));
        const EmfReading reading = readEmf(data);
        QVERIFY2(reading.faults.isEmpty(), qPrintable(reading.faults.join("; ")));
        const QList<quint32> types = reading.types();
        for (quint32 type : expected)
            QVERIFY2(types.contains(type), qPrintable(QString::number(type)));
        QVERIFY(!emfToSvg(data).isEmpty());
    }

    void emfTextKeepsItsCharactersAndRotation() {
        const QByteArray data = paintEmf([](QPainter& p) {
            p.setFont(QFont("Arial", 9));
            p.translate(20, 90);
            p.rotate(-90);
            p.drawText(QPointF(0, 0), "Strength of concrete, MPa");
        });
        const EmfReading reading = readEmf(data);
        QVERIFY2(reading.faults.isEmpty(), qPrintable(reading.faults.join("; ")));
        QCOMPARE(reading.fontEscapements, QList<qint32>({900}));  // reads upwards
        QVERIFY(emfToSvg(data).contains("Strength of concrete, MPa"));
    }

    // The chart's metafile: every record sound, read back by emf2svg with the title, the
    // legend's texts and the colours of all six series.
    void chartMetafileReadsBack() {
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        QTemporaryDir dir;
        orvan::Outcome<> written = orvan::Outcome<>::failed("the chart was not drawn");
        withDrawnChart(w, [&] { written = w.chart->savePicture(dir.filePath("chart.emf")); });
        QVERIFY(!watchdog.fired());
        QVERIFY2(written.ok(), written.message.c_str());
        const QByteArray data = readFile(dir.filePath("chart.emf"));
        QVERIFY(isEmf(data));
        const EmfReading reading = readEmf(data);
        QVERIFY2(reading.faults.isEmpty(), qPrintable(reading.faults.join("; ")));
        const QString svg = emfToSvg(data);
        QVERIFY(!svg.isEmpty());
        for (const char* text :
             {"Technological card of concrete strength", "Limit of correcting", "Limit of warning",
              "Average level of strength", "Real strength of concrete", "Strength of concrete, MPa",
              "Controllable industrial parties of concrete"})
            QVERIFY2(svg.contains(text), text);
        // Legend colours (series colour) and line colours (point colour).
        for (const char* color : {"#008000", "#FF0000", "#0080FF", "#0000FF", "#FF80FF", "#FF00FF"})
            QVERIFY2(svg.contains(color, Qt::CaseInsensitive), color);
        QSvgRenderer renderer(svg.toUtf8());
        QVERIFY(renderer.isValid());
    }

    // Batches of 12 and 38 MPa against the range 17 to 33: their markers (fuchsia) stand
    // beyond the plot area, inside the picture, and their labels are written.
    void marksBeyondTheRangeInSavedPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << "chart.png";
        QTest::newRow("emf") << "chart.emf";
    }
    void marksBeyondTheRangeInSavedPictures() {
        QFETCH(QString, name);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        QTemporaryDir dir;
        orvan::Outcome<> written = orvan::Outcome<>::failed("the chart was not drawn");
        QRectF plot;
        withDrawnChart(w,
                       [&] {
                           plot = w.chart->chart()->plotArea();
                           written = w.chart->savePicture(dir.filePath(name));
                       },
                       {"12", "25", "38"});
        QVERIFY(!watchdog.fired());
        QVERIFY2(written.ok(), written.message.c_str());
        const QByteArray data = readFile(dir.filePath(name));
        QImage image;
        if (name.endsWith(".emf")) {
            const QString svg = emfToSvg(data);
            QVERIFY(svg.contains("[38]]>") && svg.contains("[12]]>"));  // the labels' texts
            QSvgRenderer renderer(svg.toUtf8());
            image = QImage(renderer.defaultSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            renderer.render(&painter);
        } else {
            image.loadFromData(data);
        }
        QVERIFY(!image.isNull());
        int above = 0, below = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(255, 0, 255)) {
                    above += y < plot.top() - 2;
                    below += y > plot.bottom() + 2;
                }
        QVERIFY2(above > 20 && below > 20, qPrintable(QString("%1 %2").arg(above).arg(below)));
    }

    void formatFollowsTheName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("bmp") << "chart.bmp" << QByteArray("BM");
        QTest::newRow("ico") << "chart.ico" << QByteArray("\0\0\1\0", 4);
        QTest::newRow("png") << "chart.png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "chart.svg" << QByteArray("<?xml");
        QTest::newRow("emf") << "chart.emf" << QByteArray("\1\0\0\0", 4);
        QTest::newRow("wmf still gets an EMF") << "chart.wmf" << QByteArray("\1\0\0\0", 4);
        QTest::newRow("upper-case BMP") << "CHART.BMP" << QByteArray("BM");
        QTest::newRow("other ending gets an EMF") << "chart.txt" << QByteArray("\1\0\0\0", 4);
        QTest::newRow("no ending gets an EMF") << "chart" << QByteArray("\1\0\0\0", 4);
    }
    void formatFollowsTheName() {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        QTemporaryDir dir;
        orvan::Outcome<> written = orvan::Outcome<>::failed("the chart was not drawn");
        withDrawnChart(w, [&] { written = w.chart->savePicture(dir.filePath(name)); });
        QVERIFY2(written.ok(), written.message.c_str());
        const QByteArray data = readFile(dir.filePath(name));
        QVERIFY(data.startsWith(magic));
        if (magic.startsWith("\1")) QVERIFY(isEmf(data));
        if (name.endsWith(".bmp", Qt::CaseInsensitive) || name.endsWith(".ico"))
            QVERIFY(!QImageReader(dir.filePath(name)).read().isNull());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({name}));  // no leftovers
    }

    // "Save..." offers the dialog as the program sets it up, writes the chosen file and
    // closes the chart window.
    void saveDialogWritesTheChosenFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("typed");
        QTest::newRow("new file") << false << true;
        QTest::newRow("existing file, overwrite confirmed") << true << true;
        QTest::newRow("the proposed name, in the folder shown") << false << false;
    }
    void saveDialogWritesTheChosenFile() {
        QFETCH(bool, exists);
        QFETCH(bool, typed);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        QTemporaryDir dir;
        const QString path = dir.filePath(typed ? "picture.wmf" : "mychart.wmf");
        if (exists) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        w.setFigures("25", "1", "27", "23", "30", "20");
        PromptLog log;
        QString filter, suffix, initialName, question;
        bool asksOverwrite = false;
        std::vector<ModalScript::Step> steps{
            answerPrompt(w, log, "25"),
            [&](QWidget*) { w.chart->findChild<QPushButton*>("BitBtn1")->click(); },
            [&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                if (!dialog) return modal->close(), void();
                filter = dialog->selectedNameFilter();
                suffix = dialog->defaultSuffix();
                initialName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
                asksOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
                // Typed, as a user would: the dialog keeps a focused name field as it is.
                if (typed)
                    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                else
                    dialog->setDirectory(dir.path());
                static_cast<QDialog*>(dialog)->accept();
            }};
        if (exists)
            steps.push_back([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                question = box ? box->text() : QString();
                if (box)
                    box->button(QMessageBox::Yes)->click();
                else
                    modal->close();
            });
        ModalScript script(std::move(steps));
        script.start();
        const int result = w.chart->exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(filter, QString("Enhanced Metafiles (*.emf)"));
        QCOMPARE(suffix, QString("emf"));
        QCOMPARE(initialName, QString("mychart.wmf"));
        QVERIFY(asksOverwrite);
        QCOMPARE(w.chart->findChild<QFileDialog*>("SavePictureDialog1")->nameFilters(),
                 QStringList({"All (*.bmp *.ico *.emf *.wmf)", "Bitmaps (*.bmp)", "Icons (*.ico)",
                              "Enhanced Metafiles (*.emf)", "Metafiles (*.wmf)"}));
        if (exists) QVERIFY(question.contains("picture.wmf"));
        QVERIFY(isEmf(readFile(path)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({path.section('/', -1)}));
    }

    // A file that cannot be created: a message, no file, and the window still closes.
    void failedSaveShowsMessage() {
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        QTemporaryDir dir;
        const QString path = dir.filePath("missing-folder/picture.emf");
        w.setFigures("25", "1", "27", "23", "30", "20");
        PromptLog log;
        QString message;
        ModalScript script({answerPrompt(w, log, "25"),
                            [&](QWidget*) { w.chart->findChild<QPushButton*>("BitBtn1")->click(); },
                            [&](QWidget* modal) {
                                auto* dialog = qobject_cast<QFileDialog*>(modal);
                                if (!dialog) return modal->close(), void();
                                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                                static_cast<QDialog*>(dialog)->accept();
                            },
                            closeMessageBox(message)});
        script.start();
        w.chart->exec();
        QVERIFY(!watchdog.fired());
        QVERIFY2(message.startsWith("The picture could not be saved to \"" + path + "\""),
                 qPrintable(message));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!w.chart->isVisible());
    }

    // Cancelling the save dialog writes nothing.
    void cancelledSaveWritesNothing() {
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        QTemporaryDir dir;
        w.setFigures("25", "1", "27", "23", "30", "20");
        PromptLog log;
        ModalScript script({answerPrompt(w, log, "25"),
                            [&](QWidget*) { w.chart->findChild<QPushButton*>("BitBtn1")->click(); },
                            [&](QWidget* modal) {
                                if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                                    dialog->setDirectory(dir.path());
                                    dialog->reject();
                                } else {
                                    modal->close();
                                }
                            }});
        script.start();
        w.chart->exec();
        QVERIFY(!watchdog.fired());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(ControlPictureTest)
#include "ControlPictureTest.moc"
