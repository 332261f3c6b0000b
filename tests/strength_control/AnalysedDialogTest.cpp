// The analysed-period dialogs: their tabs and fields, the set-up dialog opening the chosen
// layout, runs that publish a report or end in "Data error" (and the tab they leave current),
// and pasting a block of extract texts.
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "ModalDriver.h"
#include "NumberLocale.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/TextWindow.h"
#include "common/NumberText.h"
#include "strength_control/AnalysedPeriodInputDialog.h"
#include "strength_control/AnalysedPeriodSession.h"
#include "strength_control/AnalysedPeriodSetupDialog.h"
#include "strength_control/calc/AnalysedPeriod.h"

namespace an = orvan::analysed;

namespace {

const QString kTitle = QStringLiteral("Statistical control of concrete strength. Analyzed period.");
const QString kDataError = QStringLiteral("Data error");

// Every party of the examples: 5x6 and 10x3.
const QStringList kWideParty{"20", "22", "24", "26", "28", "30"};
const QStringList kTallParty{"24", "25", "27"};

QStringList toQt(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& line : lines) out << QString::fromStdString(line);
    return out;
}

// A block of `parties` lines, each the party's texts joined by `separator`.
QString block(const QStringList& party, int parties, const QString& separator) {
    QStringList lines;
    for (int i = 0; i < parties; ++i) lines << party.join(separator);
    return lines.join('\n') + '\n';
}

}  // namespace

class AnalysedDialogTest : public QObject {
    Q_OBJECT

private:
    AppContext* app_ = nullptr;
    DocumentArea* area_ = nullptr;
    AnalysedPeriodSession* session_ = nullptr;
    AnalysedPeriodSetupDialog* setup_ = nullptr;
    AnalysedPeriodInputDialog* wide_ = nullptr;
    AnalysedPeriodInputDialog* tall_ = nullptr;
    QStringList messages_;
    QList<int> tabChanges_;

    AnalysedPeriodInputDialog* input(int item) const { return item == 0 ? wide_ : tall_; }
    static void fill(AnalysedPeriodInputDialog* dialog, const QStringList& party) {
        const auto& layout = dialog->periodLayout();
        for (int i = 1; i <= layout.partyCount; ++i)
            for (int j = 1; j <= layout.extractCount; ++j)
                dialog->extractField(i, j)->setText(party[j - 1]);
    }
    static QStringList texts(AnalysedPeriodInputDialog* dialog) {
        QStringList out;
        const auto& layout = dialog->periodLayout();
        for (int i = 1; i <= layout.partyCount; ++i)
            for (int j = 1; j <= layout.extractCount; ++j)
                out << dialog->extractField(i, j)->text();
        return out;
    }
    // Answers the next message box (over `except`): records its text and presses its button.
    void answerMessage(QWidget* except = nullptr) {
        answerNextModal(
            [this](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                messages_ << (box ? box->text()
                                  : QStringLiteral("<not a message box: %1>").arg(w->objectName()));
                if (box)
                    box->button(QMessageBox::Ok)->click();
                else if (auto* dialog = qobject_cast<QDialog*>(w))
                    dialog->done(QDialog::Rejected);
            },
            except);
    }
    // Shows `dialog` modally and presses OK there, answering the message box when one is
    // expected.
    int runOk(AnalysedPeriodInputDialog* dialog, bool expectMessage) {
        answerNextModal([this, dialog, expectMessage](QWidget*) {
            if (expectMessage) answerMessage(dialog);
            dialog->findChild<QPushButton*>("BitBtn1")->click();
        });
        return dialog->exec();
    }
    void recordTabs(AnalysedPeriodInputDialog* dialog) {
        connect(dialog->pageControl(), &QTabWidget::currentChanged, this,
                [this](int index) { tabChanges_ << index; });
    }

private slots:
    void init() {
        useDecimalPoint();
        messages_.clear();
        tabChanges_.clear();
        app_ = new AppContext;
        area_ = new DocumentArea(*app_);
        area_->resize(800, 600);
        app_->setDocuments(area_);
        session_ = new AnalysedPeriodSession;
        setup_ = new AnalysedPeriodSetupDialog(*app_, *session_);
        wide_ =
            new AnalysedPeriodInputDialog(*app_, *session_, AnalysedPeriodInputDialog::fiveBySix());
        tall_ = new AnalysedPeriodInputDialog(*app_, *session_,
                                              AnalysedPeriodInputDialog::tenByThree());
        setup_->setInputOpener([this](int item) { input(item)->exec(); });
    }
    void cleanup() {
        delete tall_;
        delete wide_;
        delete setup_;
        delete session_;
        delete area_;
        delete app_;
    }

    void setupDialogFields() {
        QCOMPARE(setup_->objectName(), QString("fmPeriod_Analiz1"));
        QCOMPARE(setup_->windowTitle(), kTitle);
        auto* group = setup_->findChild<QWidget*>("rgCount_Party");
        QVERIFY(group);
        QCOMPARE(group->property("title").toString(),
                 QString("Choose duration of the analyzed period"));
        const auto items = group->findChildren<QRadioButton*>();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QString("5 parties (6 extracts in each batch)"));
        QCOMPARE(items[1]->text(), QString("10 parties (3 extracts in each batch)"));
        QCOMPARE(setup_->countPartyIndex(), 0);
        QCOMPARE(setup_->edBText(), QString("10"));
        auto* edB = setup_->findChild<QLineEdit*>("edB");
        QCOMPARE(qobject_cast<QLabel*>(setup_->findChild<QLabel*>("Label1"))->text(),
                 QString("Strength of concrete, MPa"));
        QCOMPARE(DialogBase::helpContextFor(edB), 41);
        QCOMPARE(setup_->findChild<QPushButton*>("BitBtn1")->text(), QString("OK"));
        QCOMPARE(setup_->findChild<QPushButton*>("BitBtn2")->text(), QString("&Close"));
    }

    void inputDialogFields_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("parties");
        QTest::addColumn<int>("extracts");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("5x6") << 0 << "fmPeriod_analiz2_5" << 5 << 6 << false;
        QTest::newRow("10x3") << 1 << "fmPeriod_analiz2_15" << 10 << 3 << true;
    }
    void inputDialogFields() {
        QFETCH(int, item);
        QFETCH(QString, name);
        QFETCH(int, parties);
        QFETCH(int, extracts);
        QFETCH(bool, fixed);
        AnalysedPeriodInputDialog* dialog = input(item);
        QCOMPARE(dialog->objectName(), name);
        QCOMPARE(dialog->windowTitle(), kTitle);
        auto* page = dialog->findChild<QTabWidget*>("page");
        QVERIFY(page);
        QCOMPARE(page->count(), parties);
        const QStringList captions{"1-st party", "2-nd party", "3-rd party", "4-th party",
                                   "5-th party", "6-th party", "7-th party", "8-th party",
                                   "9-th party", "10-th party"};
        const QStringList ordinals{"1-st", "2-nd", "3-rd", "4-th", "5-th", "6-th"};
        for (int i = 1; i <= parties; ++i) {
            QWidget* tab = page->widget(i - 1);
            QCOMPARE(tab->objectName(), QString("TabSheet%1").arg(i));
            QCOMPARE(page->tabText(i - 1), captions[i - 1]);
            const auto edits = tab->findChildren<QLineEdit*>();
            QCOMPARE(edits.size(), extracts);
            for (int j = 1; j <= extracts; ++j) {
                auto* edit = tab->findChild<QLineEdit*>(QString("edR%1_%2").arg(i).arg(j));
                QVERIFY2(edit, qPrintable(QString("edR%1_%2").arg(i).arg(j)));
                QVERIFY(edit->text().isEmpty());
                QCOMPARE(edits[j - 1], edit);  // in extract order
                auto* label = tab->findChild<QLabel*>(QString("Label%1_%2").arg(i).arg(j));
                QCOMPARE(label->text(),
                         QString("Enter average strength in %1 extract, MPa").arg(ordinals[j - 1]));
                QCOMPARE(label->buddy(), edit);
                QCOMPARE(DialogBase::helpContextFor(edit), 41);
            }
        }
        QCOMPARE(dialog->findChild<QPushButton*>("BitBtn1")->text(), QString("OK"));
        QVERIFY(dialog->findChild<QPushButton*>("BitBtn1")->isDefault());
        QCOMPARE(dialog->findChild<QPushButton*>("BitBtn2")->text(), QString("&Close"));
        QCOMPARE(dialog->findChild<QPushButton*>("bbPaste")->text(), QString("Paste"));
        QCOMPARE(dialog->layout()->sizeConstraint() == QLayout::SetFixedSize, fixed);
        // Texts stay from one showing to the next.
        dialog->extractField(1, 1)->setText(" 21.50 ");
        ModalWatchdog watchdog(10000);
        answerNextModal(
            [dialog](QWidget*) { dialog->findChild<QPushButton*>("BitBtn2")->click(); });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        QCOMPARE(dialog->extractField(1, 1)->text(), QString(" 21.50 "));
        QVERIFY(!watchdog.fired());
    }

    // OK (or Esc, which runs OK) opens the chosen layout's dialog; the set-up dialog closes
    // with OK once that one has closed.
    void setupOpensChosenLayout_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("opened");
        QTest::newRow("item 0, OK") << 0 << false << "fmPeriod_analiz2_5";
        QTest::newRow("item 1, Esc") << 1 << true << "fmPeriod_analiz2_15";
        QTest::newRow("item 0, Esc") << 0 << true << "fmPeriod_analiz2_5";
    }
    void setupOpensChosenLayout() {
        QFETCH(int, item);
        QFETCH(bool, escape);
        QFETCH(QString, opened);
        setup_->setCountPartyIndex(item);
        ModalWatchdog watchdog(10000);
        QString seen;
        answerNextModal([&](QWidget*) {
            answerNextModal(
                [&](QWidget* inner) {
                    seen = inner->objectName();
                    inner->findChild<QPushButton*>("BitBtn2")->click();
                },
                setup_);
            if (escape)
                QTest::keyClick(setup_, Qt::Key_Escape);
            else
                setup_->findChild<QPushButton*>("BitBtn1")->click();
        });
        QCOMPARE(setup_->exec(), int(QDialog::Accepted));
        QCOMPARE(seen, opened);
        QCOMPARE(setup_->countPartyIndex(), item);
        QCOMPARE(session_->countPartyIndex, item);  // the choice is kept in the session
        QVERIFY(!watchdog.fired());
    }

    // The set-up dialog opens on the session as it stands, and its edits reach the session.
    void setupLoadsAndStoresTheSession() {
        session_->classText = "12.5";
        session_->countPartyIndex = 1;
        ModalWatchdog watchdog(10000);
        QString shownB;
        int shownItem = -1;
        answerNextModal([&](QWidget*) {
            shownB = setup_->edBText();
            shownItem = setup_->countPartyIndex();
            setup_->findChild<QLineEdit*>("edB")->setText("15");
            setup_->findChild<QPushButton*>("BitBtn2")->click();
        });
        setup_->exec();
        QCOMPARE(shownB, QString("12.5"));
        QCOMPARE(shownItem, 1);
        QCOMPARE(session_->classText, std::string("15"));
        QVERIFY(!watchdog.fired());
    }

    void completedRunsPublishReports_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("5x6") << 0 << 73;
        QTest::newRow("10x3") << 1 << 93;
    }
    void completedRunsPublishReports() {
        QFETCH(int, item);
        QFETCH(int, lineCount);
        AnalysedPeriodInputDialog* dialog = input(item);
        fill(dialog, item == 0 ? kWideParty : kTallParty);
        dialog->pageControl()->setCurrentIndex(1);
        ModalWatchdog watchdog(10000);
        QCOMPARE(runOk(dialog, false), int(QDialog::Accepted));
        QCOMPARE(runOk(dialog, false), int(QDialog::Accepted));
        QVERIFY(messages_.isEmpty());
        const auto documents = area_->documents();
        QCOMPARE(documents.size(), 2);
        QCOMPARE(documents[0]->windowTitle(),
                 QString("Statistical control. Analyzed period. Window №1"));
        QCOMPARE(documents[1]->windowTitle(),
                 QString("Statistical control. Analyzed period. Window №2"));
        const auto& layout = dialog->periodLayout();
        an::ExtractTexts typed(layout.partyCount);
        for (const QString& t : item == 0 ? kWideParty : kTallParty)
            for (auto& party : typed) party.push_back(t.toStdString());
        const auto core = an::computeAnalysedPeriod(layout, typed, "10", orvan::NumberFormat{});
        const QStringList expected =
            toQt(an::writeAnalysedPeriodReport(layout, core.values.result, orvan::NumberFormat{}));
        QCOMPARE(expected.size(), lineCount);
        QCOMPARE(documents[1]->logicalLines(), expected);
        // The mixed-script unit reaches the window as Em, P, a.
        const int heading = 5 + layout.partyCount * (layout.extractCount + 1) + 3;
        QCOMPARE(documents[1]->logicalLines()[heading],
                 QString("Average strength in parties, \u041CP\u0430:"));
        // ... and is saved as the Windows-1251 bytes 20 CC 50 E0.
        QStringEncoder cp1251("windows-1251");
        QVERIFY(cp1251.isValid());
        const QByteArray saved = cp1251.encode(documents[1]->logicalLines()[heading]);
        QCOMPARE(saved.right(5), QByteArray("\x20\xCC\x50\xE0:"));
        QCOMPARE(dialog->pageControl()->currentIndex(), layout.partyCount - 1);
        QVERIFY(!watchdog.fired());
    }

    // An empty field on the tenth tab: "Data error", no window, no number used, the dialog
    // closed with OK; it reopens on "10-th party" with every text as it was.
    void emptyFieldOnLastTab() {
        fill(tall_, kTallParty);
        tall_->extractField(10, 2)->clear();
        const QStringList before = texts(tall_);
        recordTabs(tall_);
        ModalWatchdog watchdog(10000);
        QCOMPARE(runOk(tall_, true), int(QDialog::Accepted));
        QCOMPARE(messages_, QStringList{kDataError});
        QVERIFY(area_->documents().isEmpty());
        QCOMPARE(area_->windowNumber(), 0);
        QCOMPARE(tabChanges_, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        int reopenedOn = -1;
        QString reopenedCaption;
        QWidget* focused = nullptr;
        answerNextModal([&](QWidget*) {
            reopenedOn = tall_->pageControl()->currentIndex();
            reopenedCaption = tall_->pageControl()->tabText(reopenedOn);
            focused = tall_->focusWidget();
            tall_->findChild<QPushButton*>("BitBtn2")->click();
        });
        tall_->exec();
        QCOMPARE(reopenedOn, 9);
        QCOMPARE(reopenedCaption, QString("10-th party"));
        QCOMPARE(focused, static_cast<QWidget*>(tall_->extractField(10, 2)));
        QCOMPARE(texts(tall_), before);
        QVERIFY(!watchdog.fired());
    }

    // The field whose text failed is focused and selected when the dialog comes back, ready
    // to be typed over.
    void reopensOnTheFailingField() {
        fill(wide_, kWideParty);
        wide_->extractField(4, 2)->setText("2x");
        ModalWatchdog watchdog(10000);
        runOk(wide_, true);
        QCOMPARE(messages_, QStringList{kDataError});
        int reopenedOn = -1;
        QWidget* focused = nullptr;
        QString selected;
        answerNextModal([&](QWidget*) {
            reopenedOn = wide_->pageControl()->currentIndex();
            focused = wide_->focusWidget();
            selected = wide_->extractField(4, 2)->selectedText();
            wide_->findChild<QPushButton*>("BitBtn2")->click();
        });
        wide_->exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(reopenedOn, 3);
        QCOMPARE(focused, static_cast<QWidget*>(wide_->extractField(4, 2)));
        QCOMPARE(selected, QString("2x"));
    }

    // A failing party stops the run on its own tab; later tabs are never made current.
    void zeroPartyStopsOnItsTab() {
        fill(wide_, kWideParty);
        for (int j = 1; j <= 6; ++j) wide_->extractField(3, j)->setText("0");
        recordTabs(wide_);
        ModalWatchdog watchdog(10000);
        runOk(wide_, true);
        QCOMPARE(messages_, QStringList{kDataError});
        QCOMPARE(tabChanges_, (QList<int>{1, 2}));
        QCOMPARE(area_->windowNumber(), 0);
        QVERIFY(!watchdog.fired());
    }

    // edB is read last: with valid extracts every tab is made current in turn before the
    // run fails on it.
    void nonNumericClassAfterEveryTab() {
        fill(wide_, kWideParty);
        setup_->findChild<QLineEdit*>("edB")->setText("B25");
        wide_->pageControl()->setCurrentIndex(2);
        recordTabs(wide_);
        ModalWatchdog watchdog(10000);
        runOk(wide_, true);
        QCOMPARE(messages_, QStringList{kDataError});
        QCOMPARE(tabChanges_, (QList<int>{0, 1, 2, 3, 4}));
        QVERIFY(area_->documents().isEmpty());
        QCOMPARE(area_->windowNumber(), 0);
        // The next good run gets the first number.
        setup_->findChild<QLineEdit*>("edB")->setText("10");
        runOk(wide_, false);
        QCOMPARE(area_->documents().size(), 1);
        QCOMPARE(area_->documents()[0]->windowTitle(),
                 QString("Statistical control. Analyzed period. Window №1"));
        QVERIFY(!watchdog.fired());
    }

    void pasteFillsEveryField_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("separator");
        QTest::newRow("5x6, commas") << 0 << ",";
        QTest::newRow("10x3, tabs") << 1 << "\t";
        QTest::newRow("10x3, semicolons and blanks") << 1 << " ; ";
    }
    void pasteFillsEveryField() {
        QFETCH(int, item);
        QFETCH(QString, separator);
        AnalysedPeriodInputDialog* dialog = input(item);
        const QStringList party = item == 0 ? kWideParty : kTallParty;
        QApplication::clipboard()->setText(
            block(party, dialog->periodLayout().partyCount, separator));
        ModalWatchdog watchdog(10000);
        dialog->findChild<QPushButton*>("bbPaste")->click();
        QVERIFY(messages_.isEmpty());
        // Texts as pasted: with " ; " the blanks stay in the fields.
        const bool blanks = separator == " ; ";
        const auto& layout = dialog->periodLayout();
        for (int i = 1; i <= layout.partyCount; ++i)
            for (int j = 1; j <= layout.extractCount; ++j) {
                QString expected = party[j - 1];
                if (blanks && j > 1) expected.prepend(' ');
                if (blanks && j < layout.extractCount) expected.append(' ');
                QCOMPARE(dialog->extractField(i, j)->text(), expected);
            }
        QVERIFY(!watchdog.fired());
    }

    void pasteOfWrongShapeFillsNothing_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("why");
        QTest::newRow("short line") << 1 << "24,25,27\n24,25\n" + block(kTallParty, 8, ",")
                                    << "Line 2 holds 2 extracts; each party needs 3.";
        QTest::newRow("too few parties")
            << 0 << block(kWideParty, 4, "\t")
            << "The block holds 4 lines; the period needs 5 parties, one per line.";
        QTest::newRow("10x3 block into 5x6")
            << 0 << block(kTallParty, 10, ",")
            << "The block holds 10 lines; the period needs 5 parties, one per line.";
        QTest::newRow("empty clipboard")
            << 1 << ""
            << "The block holds 0 lines; the period needs 10 parties, one per line.";
    }
    void pasteOfWrongShapeFillsNothing() {
        QFETCH(int, item);
        QFETCH(QString, clipboard);
        QFETCH(QString, why);
        AnalysedPeriodInputDialog* dialog = input(item);
        dialog->extractField(1, 1)->setText("kept");
        const QStringList before = texts(dialog);
        QApplication::clipboard()->setText(clipboard);
        ModalWatchdog watchdog(10000);
        answerMessage();
        dialog->findChild<QPushButton*>("bbPaste")->click();
        QCOMPARE(messages_, QStringList{"Nothing was pasted. " + why});
        QCOMPARE(texts(dialog), before);
        QVERIFY(!watchdog.fired());
    }

    // Ctrl+V with a block fills the dialog, outside a field or in one; a single value pastes
    // into the field alone.
    void ctrlVOutsideAndInsideAField() {
        tall_->show();
        tall_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(tall_));
        QApplication::clipboard()->setText(block(kTallParty, 10, ","));
        QTabBar* tabs = tall_->pageControl()->tabBar();
        tabs->setFocus();
        QTest::keyClick(tabs, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(tall_->extractField(7, 3)->text(), QString("27"));

        QApplication::clipboard()->setText("31.5");
        QLineEdit* field = tall_->extractField(1, 2);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text(), QString("31.5"));
        QCOMPARE(tall_->extractField(1, 1)->text(), QString("24"));

        QApplication::clipboard()->setText(block({"30", "31", "32"}, 10, "\t"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text(), QString("31"));
        QCOMPARE(tall_->extractField(10, 3)->text(), QString("32"));
        tall_->hide();
    }

    // Pictures of the dialogs for a look by eye, when ANALYSED_GRAB_DIR names a folder.
    void grabPictures() {
        const QString dir = qEnvironmentVariable("ANALYSED_GRAB_DIR");
        if (dir.isEmpty()) QSKIP("ANALYSED_GRAB_DIR not set");
        for (QDialog* dialog : {static_cast<QDialog*>(setup_), static_cast<QDialog*>(wide_),
                                static_cast<QDialog*>(tall_)}) {
            dialog->show();
            QVERIFY(dialog->grab().save(dir + "/" + dialog->objectName() + ".png"));
            dialog->hide();
        }
    }
};

QTEST_MAIN(AnalysedDialogTest)
#include "AnalysedDialogTest.moc"
