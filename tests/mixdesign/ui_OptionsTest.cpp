// The options dialog and options.slv: "Save current options" writes the 48-byte record in the
// working folder, every showing reloads it, and a bad file or a bad density never changes
// what it should not.
#include <cstring>

#include "ui_Fixture.h"

namespace {

struct Record {
    std::int32_t indices[6];
    double densities[3];
};

// The record as little-endian bytes (this machine is little-endian, as the test asserts).
QByteArray recordBytes(const Record& r) {
    QByteArray bytes(48, '\0');
    std::memcpy(bytes.data(), r.indices, 24);
    std::memcpy(bytes.data() + 24, r.densities, 24);
    return bytes;
}

Record readRecord(const QByteArray& bytes) {
    Record r{};
    std::memcpy(r.indices, bytes.constData(), 24);
    std::memcpy(r.densities, bytes.constData() + 24, 24);
    return r;
}

void writeFile(const QByteArray& bytes) {
    QFile file("options.slv");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile() {
    QFile file("options.slv");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

const char* const kGroups[] = {"rgWaterproof", "rgFrost",   "rgArmatyra",
                               "rgProparka",   "rgEconomy", "rgZapolnitel"};
const char* const kDensities[] = {"edPlotnostC", "edPlotnostP", "edPlotnostSC"};

}  // namespace

class MixUiOptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<MixUiWindows> w_;

    ProportioningOptionsDialog* dialog() const { return w_->options.get(); }
    QString text(const char* name) const { return editOf(dialog(), name)->text(); }
    int index(const char* name) const { return groupOf(dialog(), name)->itemIndex(); }

    // Shows the dialog as the command does; `inside` runs while it is up, then Close.
    void open(const std::function<void()>& inside = {}) {
        answerNextModal([&](QWidget*) {
            if (inside) inside();
            buttonOf(dialog(), "BitBtn2")->click();
        });
        dialog()->exec();
    }

private slots:
    void initTestCase() { QCOMPARE(QSysInfo::ByteOrder, QSysInfo::LittleEndian); }
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QVERIFY(QDir::setCurrent(folder_->path()));
        w_ = std::make_unique<MixUiWindows>();
    }
    void cleanup() {
        w_.reset();
        QDir::setCurrent(QDir::tempPath());
        folder_.reset();
    }

    void savesTheDefaultsAs48Bytes() {
        ModalWatchdog watchdog(5000);
        open([&] { buttonOf(dialog(), "BitBtn3")->click(); });
        QVERIFY(!watchdog.fired());
        const QByteArray bytes = readFile();
        QCOMPARE(bytes.size(), 48);
        const Record r = readRecord(bytes);
        const std::int32_t indices[6] = {1, 1, 1, 1, 1, 0};
        for (int i = 0; i < 6; ++i) QCOMPARE(r.indices[i], indices[i]);
        QCOMPARE(r.densities[0], 3.15);
        QCOMPARE(r.densities[1], 2.65);
        QCOMPARE(r.densities[2], 2.68);
    }

    // "Save current options" leaves the dialog open and writes what the fields show now.
    void savesWhatTheFieldsShow() {
        ModalWatchdog watchdog(5000);
        bool openAfterSave = false;
        open([&] {
            chooseItem(dialog(), "rgFrost", 0);
            chooseItem(dialog(), "rgZapolnitel", 1);
            editOf(dialog(), "edPlotnostP")->setText("2.7");
            buttonOf(dialog(), "BitBtn3")->click();
            openAfterSave = dialog()->isVisible();
        });
        QVERIFY(!watchdog.fired());
        QVERIFY(openAfterSave);
        const Record r = readRecord(readFile());
        QCOMPARE(r.indices[1], 0);
        QCOMPARE(r.indices[5], 1);
        QCOMPARE(r.densities[1], 2.7);
    }

    // Each showing loads the file: indices clamped, densities in the short general form, the
    // temperature left as it is.
    void loadsOnEveryShowing_data() {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("as stored") << QList<int>{0, 0, 0, 0, 0, 1} << QList<int>{0, 0, 0, 0, 0, 1};
        QTest::newRow("beyond the last item")
            << QList<int>{2, 5, 1, 99, 0, 7} << QList<int>{1, 1, 1, 1, 0, 1};
        QTest::newRow("below -1 is nothing selected")
            << QList<int>{-1, -7, 0, -2147483647, 1, -3} << QList<int>{-1, -1, 0, -1, 1, -1};
    }
    void loadsOnEveryShowing() {
        QFETCH(QList<int>, stored);
        QFETCH(QList<int>, shown);
        ModalWatchdog watchdog(5000);
        Record r{{}, {3.1, 2.6, 1e-5}};
        for (int i = 0; i < 6; ++i) r.indices[i] = stored[i];
        writeFile(recordBytes(r));
        editOf(dialog(), "edTemperatyr")->setText("25");
        QList<int> during;
        QString cement, sand, coarse;
        open([&] {
            for (const char* group : kGroups) during << index(group);
            cement = text("edPlotnostC"), sand = text("edPlotnostP"), coarse = text("edPlotnostSC");
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(during, shown);
        QCOMPARE(cement, QString("3.1"));
        QCOMPARE(sand, QString("2.6"));
        QCOMPARE(coarse, QString("1E-5"));
        QCOMPARE(text("edTemperatyr"), QString("25"));  // the temperature is not in the file
        const auto options = dialog()->currentOptions();
        QCOMPARE(options.frostResistance, shown[1]);
        QCOMPARE(options.aggregateKind, shown[5]);
    }

    // A file that is missing, short or not a file changes nothing and shows nothing.
    void unreadableFileIsIgnored_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("47 bytes") << "short";
        QTest::newRow("empty") << "empty";
        QTest::newRow("a folder") << "folder";
    }
    void unreadableFileIsIgnored() {
        QFETCH(QString, kind);
        ModalWatchdog watchdog(5000);
        const QByteArray full = recordBytes({{0, 0, 0, 0, 0, 1}, {1, 1, 1}});
        if (kind == "short") writeFile(full.left(47));
        if (kind == "empty") writeFile({});
        if (kind == "folder") QVERIFY(QDir().mkdir("options.slv"));
        chooseItem(dialog(), "rgArmatyra", 0);
        editOf(dialog(), "edPlotnostC")->setText("3.33");
        open();
        QVERIFY(!watchdog.fired());  // no message box stood in the way
        QCOMPARE(index("rgArmatyra"), 0);
        QCOMPARE(index("rgFrost"), 1);
        QCOMPARE(text("edPlotnostC"), QString("3.33"));
    }

    // Once saved, unsaved changes are replaced by the file at the next showing; until then
    // the changed fields are what a run reads.
    void reopeningBringsBackTheSavedValues() {
        ModalWatchdog watchdog(5000);
        open([&] { buttonOf(dialog(), "BitBtn3")->click(); });
        open([&] { chooseItem(dialog(), "rgFrost", 0); });
        QCOMPARE(dialog()->currentOptions().frostResistance,
                 0);  // closed without saving: still used
        int shown = -1;
        open([&] { shown = index("rgFrost"); });
        QVERIFY(!watchdog.fired());
        QCOMPARE(shown, 1);
    }

    // A density that does not convert, or a write that fails, is shown in the error box; the
    // file stays as it was and the dialog stays open.
    void failedSaveLeavesTheFile_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");  // "" for a message only checked to be shown
        QTest::newRow("cement density") << "edPlotnostC"
                                        << "3.1x"
                                        << "'3.1x' is not a valid floating point value";
        QTest::newRow("sand density empty") << "edPlotnostP"
                                            << ""
                                            << "'' is not a valid floating point value";
        QTest::newRow("coarse density with a comma")
            << "edPlotnostSC"
            << "2,68"
            << "'2,68' is not a valid floating point value";
    }
    void failedSaveLeavesTheFile() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        ModalWatchdog watchdog(5000);
        const QByteArray before = recordBytes({{0, 1, 0, 1, 0, 1}, {3.0, 2.5, 2.6}});
        writeFile(before);
        QString shown, boxName;
        bool openAfter = false;
        open([&] {
            chooseItem(dialog(), "rgWaterproof", 1);
            editOf(dialog(), qPrintable(field))->setText(text);
            answerNextModal(
                [&](QWidget* box) {
                    if (auto* messageBox = qobject_cast<QMessageBox*>(box))
                        shown = messageBox->text();
                    boxName = box->objectName();
                    box->close();
                },
                dialog());
            buttonOf(dialog(), "BitBtn3")->click();
            openAfter = dialog()->isVisible();
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(shown, message);
        QCOMPARE(boxName, QString("errorBox"));
        QVERIFY(openAfter);
        QCOMPARE(readFile(), before);
    }

    void writeFailureIsShown() {
        ModalWatchdog watchdog(5000);
        QVERIFY(QDir().mkdir("options.slv"));
        QVERIFY(QFile("options.slv/keep").open(QIODevice::WriteOnly));
        QString boxName, shown;
        open([&] {
            answerNextModal(
                [&](QWidget* box) {
                    boxName = box->objectName();
                    if (auto* messageBox = qobject_cast<QMessageBox*>(box))
                        shown = messageBox->text();
                    box->close();
                },
                dialog());
            buttonOf(dialog(), "BitBtn3")->click();
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(boxName, QString("errorBox"));
        QVERIFY(!shown.isEmpty());
        QVERIFY(QFileInfo("options.slv").isDir());
    }

    // Enter and Esc close the dialog as OK does; nothing is undone.
    void keysCloseKeepingTheFields_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void keysCloseKeepingTheFields() {
        QFETCH(int, key);
        ModalWatchdog watchdog(5000);
        answerNextModal([&](QWidget*) {
            chooseItem(dialog(), "rgProparka", 0);
            QTest::keyClick(editOf(dialog(), "edTemperatyr"), Qt::Key(key));
        });
        const int code = dialog()->exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(code, int(QDialog::Accepted));
        QVERIFY(!QFile::exists("options.slv"));  // OK saves nothing
        QCOMPARE(dialog()->currentOptions().steaming, 0);
    }
};

QTEST_MAIN(MixUiOptionsTest)
#include "ui_OptionsTest.moc"
