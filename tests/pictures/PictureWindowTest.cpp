// The picture window as the user meets it: Open graphic shows OpenPictureDialog1, then the
// window with the chosen picture; unreadable choices keep what was shown; missing files show
// nothing; the picture is never scaled and only a vertical scroll bar ever appears.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <memory>

#include "ModalDriver.h"
#include "SampleFiles.h"
#include "kit/AppContext.h"
#include "pictures/ui/PictureOpenDialog.h"
#include "pictures/ui/PictureWindow.h"

namespace {
// Counts how often a widget is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* widget) { widget->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shown;
        return false;
    }
};

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

struct Seen {
    bool windowShown = false;
    QSize picture;
    bool verticalBar = false;
    bool horizontalBar = false;
    int areaWidth = -1;
    int viewportWidth = -1;
};

// Runs Open graphic choosing `path`; records what the picture window showed, then closes it.
// The answers hold the record through a shared pointer and stand down once the command has
// returned: an answer still waiting then (no window was shown) must not touch later tests.
Seen openGraphic(PictureWindow& window, const QString& path) {
    auto seen = std::make_shared<Seen>();
    auto live = std::make_shared<bool>(true);
    QPointer<PictureWindow> target(&window);
    answerNextModal(
        [=](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!*live || !dialog) return;
            answerNextModal(
                [=](QWidget* shown) {
                    if (!*live || !target || shown != target) return;
                    seen->windowShown = true;
                    QApplication::processEvents();  // let the scroll area lay out
                    seen->picture = target->image()->picture().size();
                    seen->verticalBar = target->scrollArea()->verticalScrollBar()->isVisible();
                    seen->horizontalBar = target->scrollArea()->horizontalScrollBar()->isVisible();
                    seen->areaWidth = target->image()->width();
                    seen->viewportWidth = target->scrollArea()->viewport()->width();
                    shown->close();
                },
                dialog, 3000);
            // Typed into the name field, as a user would (selectFile leaves a focused field alone).
            // Typing into the focused field drops the list's selection (last time's picture);
            // the field is not sure to have the focus offscreen, so the selection is dropped here.
            if (auto* list = dialog->findChild<QAbstractItemView*>("listView"))
                list->selectionModel()->clearSelection();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, by way of QDialog
        },
        nullptr, 3000);
    window.openGraphic();
    *live = false;
    return *seen;
}
}  // namespace

class PictureWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString file(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(writeFile(file("small.bmp"), encoded(samplePicture(40, 30), "bmp")));
        QVERIFY(writeFile(file("icon.ico"), encoded(samplePicture(32, 32), "ico")));
        QVERIFY(writeFile(file("drawing.emf"), sampleEmf()));
        QVERIFY(writeFile(file("drawing.wmf"), sampleWmf()));
        QVERIFY(writeFile(file("mychart.wmf"), sampleEmf()));  // what the chart window saves
        QVERIFY(writeFile(file("wide.bmp"), encoded(samplePicture(2000, 100), "bmp")));
        QVERIFY(writeFile(file("tall.bmp"), encoded(samplePicture(100, 2000), "bmp")));
        QVERIFY(writeFile(file("notes.txt"), "plain text\r\n"));
        QVERIFY(writeFile(file("photo.jpg"), encoded(samplePicture(50, 50), "jpg")));
        QVERIFY(writeFile(file("damaged.wmf"), sampleWmf().left(40)));
    }

    void filterList() {
        PictureOpenDialog dialog;
        QCOMPARE(dialog.nameFilters(),
                 QStringList({"All (*.bmp;*.ico;*.emf;*.wmf)", "Bitmaps (*.bmp)", "Icons (*.ico)",
                              "Enhanced Metafiles (*.emf)", "Metafiles (*.wmf)"}));
        // The file list applies every pattern of the first entry, not one "*.bmp;*.ico..."
        QCOMPARE(dialog.activePatterns(), QStringList({"*.bmp", "*.ico", "*.emf", "*.wmf"}));
        QCOMPARE(PictureOpenDialog::patternsOf("Icons (*.ico)"), QStringList({"*.ico"}));
        QVERIFY(dialog.findChild<QWidget*>("PreviewImage"));
        QVERIFY(dialog.findChild<QWidget*>("ReadOnlyBox"));
    }

    void dialogOpensCentredOverTheMainWindowWithEveryColumnWhole() {
        QWidget main;
        main.setGeometry(50, 30, 700, 480);  // above the middle of the 800 x 600 screen
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        AppContext app;
        PictureWindow window(app, &main);  // hidden, as until a picture is chosen
        PictureOpenDialog* dialog = window.openPictureDialog();
        dialog->setDirectory(dir_.path());
        auto* list = dialog->findChild<QTreeView*>();
        ModalWatchdog watchdog(8000);
        QPoint centre;
        answerNextModal([&](QWidget* modal) {
            centre = modal->frameGeometry().center();
            QTRY_VERIFY_WITH_TIMEOUT(list->model()->rowCount(list->rootIndex()) > 0, 5000);
            for (int i = 0; i < list->header()->count(); ++i) {
                auto* view = static_cast<QAbstractItemView*>(list);
                const int needed =
                    std::max(list->header()->sectionSizeHint(i), view->sizeHintForColumn(i));
                QVERIFY2(list->header()->sectionSize(i) >= needed, qPrintable(QString::number(i)));
            }
            // Side by side without scrolling, unless the dialog is already as wide as the screen.
            if (modal->frameGeometry().width() < modal->screen()->availableGeometry().width())
                QVERIFY(list->header()->length() <= list->viewport()->width());
            modal->close();
        });
        window.openGraphic();
        QVERIFY(!watchdog.fired());
        QVERIFY2((centre - main.frameGeometry().center()).manhattanLength() <= 4,
                 qPrintable(QString("%1,%2").arg(centre.x()).arg(centre.y())));
    }

    void previewShowsPictureAndSize() {
        PictureOpenDialog dialog;
        emit dialog.currentChanged(file("small.bmp"));
        QVERIFY(!dialog.preview()->pixmap().isNull());
        QCOMPARE(dialog.previewSize()->text(), QString(" (40x30)"));
        emit dialog.currentChanged(file("notes.txt"));
        QVERIFY(dialog.preview()->pixmap().isNull());
        QCOMPARE(dialog.previewSize()->text(), QString());
        // Opened with the file of last time selected: shown from the start.
        dialog.selectFile(file("small.bmp"));
        dialog.show();
        QCOMPARE(dialog.previewSize()->text(), QString(" (40x30)"));
        dialog.hide();
    }

    void eachFormatShows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("bitmap") << "small.bmp" << QSize(40, 30);
        QTest::newRow("icon") << "icon.ico" << QSize(32, 32);
        QTest::newRow("enhanced metafile") << "drawing.emf" << QSize(200, 100);
        QTest::newRow("metafile") << "drawing.wmf" << QSize(200, 100);
        QTest::newRow("enhanced metafile named .wmf") << "mychart.wmf" << QSize(200, 100);
    }
    void eachFormatShows() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        AppContext app;
        PictureWindow window(app);
        ModalWatchdog watchdog(8000);
        const Seen seen = openGraphic(window, file(name));
        QVERIFY(!watchdog.fired());
        QVERIFY(seen.windowShown);
        QVERIFY(qAbs(seen.picture.width() - size.width()) <= 1);
        QVERIFY(qAbs(seen.picture.height() - size.height()) <= 1);
    }

    // After a good picture, each of these choices leaves it in place (or shows none at all).
    void unreadableChoicesKeepThePicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("windowShown");
        QTest::newRow(".txt") << "notes.txt" << true;
        QTest::newRow(".jpg") << "photo.jpg" << true;
        QTest::newRow("damaged metafile") << "damaged.wmf" << true;
        QTest::newRow("missing file: no window") << "missing.bmp" << false;
    }
    void unreadableChoicesKeepThePicture() {
        QFETCH(QString, name);
        QFETCH(bool, windowShown);
        AppContext app;
        PictureWindow window(app);
        ModalWatchdog watchdog(8000);
        QCOMPARE(openGraphic(window, file("small.bmp")).picture, QSize(40, 30));
        ShowCounter counter(&window);
        const Seen seen = openGraphic(window, file(name));
        QVERIFY(!watchdog.fired());
        QCOMPARE(counter.shown > 0, windowShown);
        QCOMPARE(seen.windowShown, windowShown);
        if (windowShown) QCOMPARE(seen.picture, QSize(40, 30));  // what the window showed
        QCOMPARE(window.image()->picture().size(), QSize(40, 30));
    }

    void nothingShownBeforeTheFirstPicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("shows");
        QTest::newRow("missing file") << "missing.bmp" << 0;
        QTest::newRow(".txt: empty window") << "notes.txt" << 1;
    }
    void nothingShownBeforeTheFirstPicture() {
        QFETCH(QString, name);
        QFETCH(int, shows);
        AppContext app;
        PictureWindow window(app);
        ShowCounter counter(&window);
        ModalWatchdog watchdog(8000);
        openGraphic(window, file(name));
        QVERIFY(!watchdog.fired());
        QCOMPARE(counter.shown, shows);
        QVERIFY(window.image()->picture().isNull());
    }

    void cancelShowsNothing() {
        AppContext app;
        PictureWindow window(app);
        ShowCounter counter(&window);
        ModalWatchdog watchdog(8000);
        answerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        window.openGraphic();
        QVERIFY(!watchdog.fired());
        QCOMPARE(counter.shown, 0);
    }

    void scrollBars_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("2000 x 100: cut at the right, no bar") << "wide.bmp" << false;
        QTest::newRow("100 x 2000: vertical bar") << "tall.bmp" << true;
    }
    void scrollBars() {
        QFETCH(QString, name);
        QFETCH(bool, vertical);
        AppContext app;
        PictureWindow window(app);
        ModalWatchdog watchdog(8000);
        const Seen seen = openGraphic(window, file(name));
        QVERIFY(!watchdog.fired());
        QCOMPARE(seen.verticalBar, vertical);
        QVERIFY(!seen.horizontalBar);
        // The picture area is exactly as wide as the client area, never the picture's width.
        QCOMPARE(seen.areaWidth, seen.viewportWidth);
        QVERIFY(seen.areaWidth < 765);
    }

    void firstShownAt765By359() {
        AppContext app;
        PictureWindow window(app);
        ModalWatchdog watchdog(8000);
        QSize outer;
        answerNextModal([&](QWidget* modal) {
            outer = modal->frameGeometry().size();
            modal->close();
        });
        window.exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(outer, QSize(765, 359));
        QCOMPARE(window.windowTitle(), QString("Viewing of pictures"));
        QCOMPARE(window.objectName(), QString("fmShowPicture"));
    }

    void secondPictureReplacesTheFirst() {
        AppContext app;
        PictureWindow window(app);
        ModalWatchdog watchdog(8000);
        openGraphic(window, file("small.bmp"));
        QCOMPARE(openGraphic(window, file("icon.ico")).picture, QSize(32, 32));
        QVERIFY(!watchdog.fired());
    }
};

QTEST_MAIN(PictureWindowTest)
#include "PictureWindowTest.moc"
