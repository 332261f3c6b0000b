// The interface-language table: "  Файл" of the main menu's first item becomes "File" for
// that component only; every other row leaves its text as it stands (Russian stays Russian);
// the title of a text document window is never looked up.
#include <QMdiSubWindow>
#include <QtTest>

#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/Messages.h"
#include "kit/Translations.h"

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        installTranslations(*qApp);
        QVERIFY(interfaceTranslator());
        installTranslations(*qApp);  // a second call installs nothing more
    }

    void rows_data() {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("shown");
        QTest::newRow("N1: the one real translation") << "TfmForm1"
                                                      << "  Файл"
                                                      << "N1"
                                                      << "File";
        QTest::newRow("same text, other component") << "TfmForm1"
                                                    << "  Файл"
                                                    << "N2"
                                                    << "  Файл";
        QTest::newRow("same text, other window") << "TForm1"
                                                 << "  Файл"
                                                 << "N1"
                                                 << "  Файл";
        QTest::newRow("Cascade stays") << "TfmForm1"
                                       << "Cascade"
                                       << "N20"
                                       << "Cascade";
        QTest::newRow("Russian Cascade stays Russian") << "TfmForm1"
                                                       << "Каскад"
                                                       << "N20"
                                                       << "Каскад";
        QTest::newRow("Russian Open text stays Russian") << "TForm1"
                                                         << "Открыть текст..."
                                                         << "N24"
                                                         << "Открыть текст...";
        QTest::newRow("picture window caption") << "TfmShowPicture"
                                                << "Viewing of pictures"
                                                << ""
                                                << "Viewing of pictures";
        QTest::newRow("Russian picture caption") << "TfmShowPicture"
                                                 << "Просмотр рисунков"
                                                 << ""
                                                 << "Просмотр рисунков";
        QTest::newRow("&Close of a dialog") << "Tcorrection"
                                            << "&Close"
                                            << "BitBtn2"
                                            << "&Close";
        QTest::newRow("size label") << "Shared"
                                    << " (%dx%d)"
                                    << "65327"
                                    << " (%dx%d)";
        QTest::newRow("text with no row") << "TfmBNS"
                                          << "Расчёт"
                                          << "BitBtn1"
                                          << "Расчёт";
    }
    void rows() {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, component);
        QFETCH(QString, shown);
        const QByteArray c = context.toUtf8(), s = source.toUtf8(), n = component.toUtf8();
        QCOMPARE(QCoreApplication::translate(c.constData(), s.constData(),
                                             component.isEmpty() ? nullptr : n.constData()),
                 shown);
    }

    // The English table leaves the core's messages exactly as the core wrote them.
    void messagesStayEnglish_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("float") << "'1,5x' is not a valid floating point value";
        QTest::newRow("integer with %2") << "'%2' is not a valid integer value";
        QTest::newRow("options")
            << "Cannot save the options to '/a b/options.slv': Permission denied";
        QTest::newRow("fixed") << "Floating point division by zero";
        QTest::newRow("Russian") << "Нет открытых файлов";
    }
    void messagesStayEnglish() {
        QFETCH(QString, text);
        QCOMPARE(translatedMessage(text), text);
    }

    void documentTitleNotLookedUp() {
        AppContext app;
        DocumentArea area(app);
        app.setDocuments(&area);
        // A title that happens to equal a source text of the table stays as written.
        area.publishReport([](int) { return QStringLiteral("  Файл"); }, {"line"});
        area.publishReport([](int n) { return QStringLiteral("Window №%1. Report").arg(n); },
                           {"  Файл"});
        const QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->windowTitle(), QString("  Файл"));
        QCOMPARE(windows[1]->windowTitle(), QString("Window №2. Report"));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
