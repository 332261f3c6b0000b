// The About box: the labels turn 30 degrees a tick and wrap from 330 to 0, keep their angle
// between showings; Enter and Esc close it; its texts and type as the program describes.
#include <QPushButton>
#include <QtTest>

#include "ModalDriver.h"
#include "kit/AppContext.h"
#include "shell/AboutBox.h"

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void ticks_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("angle");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("1") << 1 << 30;
        QTest::newRow("6") << 6 << 180;
        QTest::newRow("11: 330") << 11 << 330;
        QTest::newRow("12: back to 0") << 12 << 0;
        QTest::newRow("13") << 13 << 30;
        QTest::newRow("25: two turns and one") << 25 << 30;
    }
    void ticks() {
        QFETCH(int, ticks);
        QFETCH(int, angle);
        AppContext app;
        AboutBox about(app);
        about.timer()->stop();  // ticks are driven by hand here
        for (int i = 0; i < ticks; ++i) about.turnLabels();
        QCOMPARE(about.turningLabel(0)->angle(), angle);
        QCOMPARE(about.turningLabel(1)->angle(), angle);
    }

    void timerRunsWhileHidden() {
        AppContext app;
        AboutBox about(app);
        QVERIFY(!about.isVisible());
        QVERIFY(about.timer()->isActive());
        QCOMPARE(about.timer()->interval(), 200);
        // One real tick through the event loop (bounded wait, no sleep).
        QSignalSpy spy(about.timer(), &QTimer::timeout);
        QVERIFY(spy.wait(2000));
        QVERIFY(about.turningLabel(0)->angle() > 0);
    }

    void keysClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void keysClose() {
        QFETCH(int, key);
        AppContext app;
        AboutBox about(app);
        about.timer()->stop();
        for (int i = 0; i < 3; ++i) about.turnLabels();
        ModalWatchdog watchdog(5000);
        answerNextModal([&](QWidget* modal) { QTest::keyClick(modal, Qt::Key(key)); });
        const int result = about.exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(result, int(QDialog::Accepted));
        // The labels stand where they stood, for the next showing.
        QCOMPARE(about.turningLabel(0)->angle(), 90);
    }

    void layout() {
        AppContext app;
        AboutBox about(app);
        QCOMPARE(about.objectName(), QString("fmAbout"));
        QCOMPARE(about.windowTitle(), QString("About program"));
        QCOMPARE(about.size(), QSize(536, 348));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        auto* ok = about.findChild<QPushButton*>("BitBtn1");
        QVERIFY(ok && ok->isDefault());
        QCOMPARE(ok->text(), QString("OK"));
        QCOMPARE(AboutBox::skylinePicture().size(), QSize(98, 72));
    }

    void texts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        QTest::newRow("first title line") << "lbTitle1" << 27;
        QTest::newRow("second title line") << "lbTitle2" << 24;
        QTest::newRow("product line") << "lbProduct" << 35;
        QTest::newRow("credit block") << "lbCredits" << 15;
    }
    void texts() {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        AppContext app;
        AboutBox about(app);
        auto* label = about.findChild<ShadowLabel*>(name);
        QVERIFY(label);
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->font().pixelSize(), pixels);
        QVERIFY(label->font().bold() && label->font().italic());
        QCOMPARE(label->font().families().value(0), QString("Arial"));
        if (name == "lbProduct") QCOMPARE(label->text(), QString("Orvan"));
        if (name == "lbCredits") QVERIFY(label->text().contains("the Orvan developers"));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
