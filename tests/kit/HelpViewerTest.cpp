// The help: each context number opens its own page, from a focused field of a dialog that
// carries the number on itself or on its page; the pages and their links are all built in;
// help opened over a modal dialog belongs to that dialog so that it is not blocked.
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>

#include "ModalDriver.h"
#include "kit/AppContext.h"
#include "kit/HelpViewer.h"
#include "kit/DialogBase.h"

namespace {
// A dialog shaped like the program's: a page control whose pages hold fields.
class PagedDialog : public DialogBase {
public:
    PagedDialog(AppContext& app, QWidget* parent) : DialogBase(app, parent) {
        auto* layout = new QVBoxLayout(this);
        pages = new QTabWidget(this);
        for (int i = 0; i < 2; ++i) {
            auto* page = new QWidget;
            auto* pageLayout = new QVBoxLayout(page);
            fields[i] = new QLineEdit(page);
            pageLayout->addWidget(fields[i]);
            pages->addTab(page, QString::number(i));
        }
        layout->addWidget(pages);
    }
    QTabWidget* pages;
    QLineEdit* fields[2];
};

QString readPage(const QString& resource) {
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void pageForNumber_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("page");
        for (int n : {21, 22, 31, 32, 41, 42, 43, 44})
            QTest::newRow(qPrintable(QString::number(n)))
                << n << QStringLiteral("qrc:/help/%1.html").arg(n);
        QTest::newRow("0: contents") << 0 << "qrc:/help/index.html";
        QTest::newRow("unknown 23: contents") << 23 << "qrc:/help/index.html";
        QTest::newRow("negative: contents") << -21 << "qrc:/help/index.html";
    }
    void pageForNumber() {
        QFETCH(int, number);
        QFETCH(QString, page);
        QCOMPARE(HelpViewer::pageFor(number), page);
    }

    // The viewer's outer frame beside a dialog's on a 1280 x 1024 screen, 720 x 560 wanted.
    void besideTheDialog_data() {
        QTest::addColumn<QRect>("dialog");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("room at the right")
            << QRect(100, 100, 400, 300) << QRect(500, 100, 720, 560);
        QTest::newRow("room at the left only")
            << QRect(800, 100, 400, 300) << QRect(80, 100, 720, 560);
        QTest::newRow("narrowed to the wider side")
            << QRect(300, 50, 500, 300) << QRect(800, 50, 480, 560);
        QTest::newRow("no room beside: below")
            << QRect(100, 0, 1000, 300) << QRect(100, 300, 720, 560);
        QTest::newRow("no room beside, more above: above, lower")
            << QRect(100, 600, 1000, 300) << QRect(100, 40, 720, 560);
        QTest::newRow("wide dialog low down: above, as high as the room")
            << QRect(300, 500, 900, 500) << QRect(300, 0, 720, 500);
        QTest::newRow("dialog at the centre: the wider side, narrower")
            << QRect(400, 100, 560, 400) << QRect(0, 100, 400, 560);
        QTest::newRow("no room anywhere: least overlap at the minimum width")
            << QRect(100, 100, 1100, 850) << QRect(0, 100, 360, 560);
        QTest::newRow("kept on the screen at the bottom")
            << QRect(100, 700, 400, 300) << QRect(500, 464, 720, 560);
    }
    void besideTheDialog() {
        QFETCH(QRect, dialog);
        QFETCH(QRect, expected);
        QCOMPARE(HelpViewer::besideRect(dialog, QSize(720, 560), QRect(0, 0, 1280, 1024), 360),
                 expected);
    }

    void pagesAndLinksAreBuiltIn() {
        QStringList pages = {"index"};
        for (int n : HelpViewer::contextNumbers()) pages << QString::number(n);
        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
        // The English pages, and the Russian ones beside them in ru/.
        for (const QString folder : {":/help/", ":/help/ru/"}) {
            for (const QString& page : pages) {
                const QString name = folder + page;
                const QString text = readPage(name + ".html");
                QVERIFY2(!text.isEmpty(), qPrintable(name));
                QVERIFY2(text.contains("<title>") && text.contains("<h1>"), qPrintable(name));
                for (const auto& match : link.globalMatch(text))
                    QVERIFY2(QFile::exists(folder + match.captured(1)),
                             qPrintable(name + " -> " + match.captured(1)));
            }
        }
    }

    // Where the number stands (dialog or page), which page is open, which field has focus.
    void f1FromAFocusedField_data() {
        QTest::addColumn<int>("dialogNumber");
        QTest::addColumn<int>("page0Number");
        QTest::addColumn<int>("page1Number");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("expected");
        QTest::newRow("options dialog: 21") << 21 << 0 << 0 << 0 << 21;
        QTest::newRow("mix-design dialogs: 22") << 22 << 0 << 0 << 0 << 22;
        QTest::newRow("correction, strength page: 31") << 0 << 31 << 32 << 0 << 31;
        QTest::newRow("correction, aggregates page: 32") << 0 << 31 << 32 << 1 << 32;
        QTest::newRow("analysed period: 41") << 41 << 0 << 0 << 1 << 41;
        QTest::newRow("controllable period: 42") << 42 << 0 << 0 << 0 << 42;
        QTest::newRow("page number before dialog number") << 22 << 31 << 0 << 0 << 31;
    }
    void f1FromAFocusedField() {
        QFETCH(int, dialogNumber);
        QFETCH(int, page0Number);
        QFETCH(int, page1Number);
        QFETCH(int, page);
        QFETCH(int, expected);
        QWidget owner;
        AppContext app;
        auto* helpWindow = new HelpViewer(&owner);  // owned by `owner`, or by the dialog
        HelpViewer& help = *helpWindow;
        app.setHelp(helpWindow);
        PagedDialog dialog(app, &owner);
        if (dialogNumber) DialogBase::setHelpContext(&dialog, dialogNumber);
        if (page0Number) DialogBase::setHelpContext(dialog.pages->widget(0), page0Number);
        if (page1Number) DialogBase::setHelpContext(dialog.pages->widget(1), page1Number);
        dialog.pages->setCurrentIndex(page);
        ModalWatchdog watchdog(5000);
        QUrl opened;
        QWidget* helpOwner = nullptr;
        answerNextModal([&](QWidget* modal) {
            dialog.fields[page]->setFocus();
            QTest::keyClick(dialog.fields[page], Qt::Key_F1);
            opened = help.currentPage();
            helpOwner = help.parentWidget();
            modal->close();
        });
        dialog.exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(opened.toString(), QStringLiteral("qrc:/help/%1.html").arg(expected));
        QCOMPARE(helpOwner, &dialog);  // readable above the modal dialog
        QVERIFY(!help.browser()->toPlainText().isEmpty());
        help.showContents();  // no modal dialog now: back to its first owner
        QCOMPARE(help.parentWidget(), &owner);
        QCOMPARE(help.currentPage().toString(), QString("qrc:/help/index.html"));
        help.hide();
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
