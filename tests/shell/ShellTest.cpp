// The table and the help over the real windows: with the interface-language table installed
// the main menu's first caption reads "File" while the others stay; F1 from a focused field of
// each dialog finds that dialog's help page.
#include <QLineEdit>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include "kit/HelpViewer.h"
#include "kit/DialogBase.h"
#include "kit/Translations.h"
#include "shell/MainWindow.h"

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installTranslations(*qApp); }

    void firstMenuReadsFile() {
        MainWindow main;
        const QList<QAction*> menus = main.mainMenuBar()->actions();
        QVERIFY(menus.size() >= 6);
        QCOMPARE(menus[0]->text(), QString("File"));
        QCOMPARE(menus[1]->text(), QString("Window"));
        QCOMPARE(menus[5]->text(), QString("   Help"));
    }

    void f1FindsTheDialogsPage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("page");  // -1: the window has no pages
        QTest::addColumn<int>("number");
        QTest::newRow("TfmOptions") << "fmOptions" << -1 << 21;
        QTest::newRow("TfmBNS") << "fmBNS" << -1 << 22;
        QTest::newRow("TfmTVO") << "fmTVO" << -1 << 22;
        QTest::newRow("TF_W") << "F_W" << -1 << 22;
        QTest::newRow("TVubor_Econ") << "Vubor_Econ" << -1 << 22;
        QTest::newRow("TfmPeriod_analiz2_15") << "fmPeriod_analiz2_15" << -1 << 41;
        QTest::newRow("Teconomy") << "economy" << -1 << 22;
        QTest::newRow("Tcorrection, correct_strength") << "correction" << 0 << 31;
        QTest::newRow("Tcorrection, correct_granulom") << "correction" << 1 << 32;
        QTest::newRow("TfmPeriod_Analiz1") << "fmPeriod_Analiz1" << -1 << 41;
        QTest::newRow("TfmPeriod_analiz2_5") << "fmPeriod_analiz2_5" << -1 << 41;
        QTest::newRow("TfmPeriod_Control1") << "fmPeriod_Control1" << -1 << 42;
        QTest::newRow("TfmPeriod_Control3") << "fmPeriod_Control3" << -1 << 42;
    }
    void f1FindsTheDialogsPage() {
        QFETCH(QString, window);
        QFETCH(int, page);
        QFETCH(int, number);
        MainWindow main;
        main.createWindows();
        auto* dialog = main.findChild<QWidget*>(window);
        QVERIFY2(dialog, qPrintable(window));
        QWidget* scope = dialog;
        if (page >= 0) {
            auto* pages = dialog->findChild<QTabWidget*>();
            QVERIFY(pages && pages->count() > page);
            scope = pages->widget(page);
        }
        QLineEdit* field = scope->findChild<QLineEdit*>();
        QWidget* from = field ? static_cast<QWidget*>(field) : scope;
        QCOMPARE(DialogBase::helpContextFor(from), number);
        QCOMPARE(HelpViewer::pageFor(DialogBase::helpContextFor(from)),
                 QStringLiteral("qrc:/help/%1.html").arg(number));
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
