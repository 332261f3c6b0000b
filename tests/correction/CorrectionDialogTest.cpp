// The correction dialog: its pages and fields, the page chosen by the opening command, keys
// and buttons, reports published and faults shown without a window.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "ModalDriver.h"
#include "NumberLocale.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/TextWindow.h"
#include "common/NumberText.h"
#include "correction/CorrectionDialog.h"
#include "correction/calc/CorrectionCalc.h"

namespace {

using Texts = QList<QPair<QString, QString>>;

const Texts kStrengthExample{{"edRb1", "30"},   {"edC_V1", "2.0"}, {"edRb2", "20"},
                             {"edC_V2", "1.6"}, {"edRtr", "25"},   {"edV", "180"}};
const Texts kAggregateExample{{"edP", "600"}, {"edSC", "1200"}, {"edVoda", "180"}, {"edWp", "5"},
                              {"edWsc", "2"}, {"edXp_sc", "0"}, {"edYsc_p", "0"}};

const char* const kStrengthTitle =
    "Correction concrete mixture in depending on compressive strength. Window №";
const char* const kAggregateTitle =
    "Correction concrete mixture in depending on aggregates grading. Window №";

class RecordingHelp : public HelpService {
public:
    void showContents() override { shown << 0; }
    void showContext(int n) override { shown << n; }
    QList<int> shown;
};

}  // namespace

class CorrectionDialogTest : public QObject {
    Q_OBJECT

private:
    AppContext* app_ = nullptr;
    DocumentArea* area_ = nullptr;
    CorrectionDialog* dialog_ = nullptr;

    QTabWidget* page() const { return dialog_->findChild<QTabWidget*>("page"); }
    QLineEdit* field(const QString& name) const { return dialog_->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) const { return dialog_->findChild<QPushButton*>(name); }
    void fill(const Texts& texts) const {
        for (const auto& [name, text] : texts) field(name)->setText(text);
    }
    static const char* closeName(int index) { return index == 0 ? "BitBtn2" : "BitBtn3"; }

    // Shows the dialog on `index` as the main window does; `inside` runs while it is up.
    int open(int index, const std::function<void()>& inside) {
        dialog_->selectPage(index);
        answerNextModal([&](QWidget*) { inside(); });
        return dialog_->exec();
    }
    void openAndClose(int index) {
        open(index, [&] { button(closeName(index))->click(); });
    }

private slots:
    void init() {
        useDecimalPoint();
        app_ = new AppContext;
        area_ = new DocumentArea(*app_);
        area_->resize(800, 600);
        app_->setDocuments(area_);
        dialog_ = new CorrectionDialog(*app_);
    }
    void cleanup() {
        delete dialog_;
        delete area_;
        delete app_;
    }

    void fieldsCaptionsAndHelp_data() {
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("row");  // position among the page's fields
        const char* strength[][2] = {
            {"edRb1", "Strength of concrete, MPa"},
            {"edC_V1", "Correspondance cement-water ratio"},
            {"edRb2", "Strength of concrete, MPa"},
            {"edC_V2", "Correspondance cement-water ratio"},
            {"edRtr", "Enter necessary strength of concrete, MPa"},
            {"edV", "Enter necessary amount of mixing water, kg per cu m"},
        };
        const char* aggregates[][2] = {
            {"edP", "Amount of dry sand:"},
            {"edSC", "Amount of dry\ncoarse aggregates:"},
            {"edVoda", "Amount of\nmixing water:"},
            {"edWp", "Humidity of sand:"},
            {"edWsc", "Humidity of coarse aggregates:"},
            {"edXp_sc", "Share of sand\nin coarse aggregates:"},
            {"edYsc_p", "Share of coarse aggregates\nin sand:"},
        };
        int row = 0;
        for (const auto& f : strength)
            QTest::newRow(f[0]) << 0 << QString(f[0]) << QString(f[1]) << row++;
        row = 0;
        for (const auto& f : aggregates)
            QTest::newRow(f[0]) << 1 << QString(f[0]) << QString(f[1]) << row++;
    }
    void fieldsCaptionsAndHelp() {
        QFETCH(int, pageIndex);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, row);
        QLineEdit* edit = field(name);
        QVERIFY2(edit, qPrintable(name));
        QWidget* tab = page()->widget(pageIndex);
        QVERIFY(tab->isAncestorOf(edit));
        QCOMPARE(tab->findChildren<QLineEdit*>().indexOf(edit), row);
        QVERIFY(edit->text().isEmpty());
        QCOMPARE(edit->inputMask(), QString());
        QLabel* label = nullptr;
        for (QLabel* l : dialog_->findChildren<QLabel*>())
            if (l->buddy() == edit) label = l;
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(DialogBase::helpContextFor(edit), pageIndex == 0 ? 31 : 32);
    }

    void pagesAndButtons() {
        QCOMPARE(dialog_->objectName(), QString("correction"));
        QCOMPARE(dialog_->windowTitle(), QString("Correction concrete mixture"));
        QTabWidget* tabs = page();
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->widget(0)->objectName(), QString("correct_strength"));
        QCOMPARE(tabs->widget(1)->objectName(), QString("correct_granulom"));
        QCOMPARE(tabs->tabText(0),
                 QString("Correction in depending on cement-water ratio and compressive strength"));
        QCOMPARE(tabs->tabText(1),
                 QString("Correction in depending on aggregates grading and humidity"));
        struct Row {
            int page;
            const char* name;
            const char* text;
        } rows[] = {{0, "bbcorrect_strength", "OK"},
                    {0, "BitBtn2", "&Close"},
                    {1, "bbcorrect_zapoln", "OK"},
                    {1, "BitBtn3", "&Close"}};
        for (const Row& row : rows) {
            QPushButton* b = button(row.name);
            QVERIFY2(b, row.name);
            QCOMPARE(b->text(), QString(row.text));
            QVERIFY(tabs->widget(row.page)->isAncestorOf(b));
        }
        const QStringList headings{
            "Enter first real value of concrete strength and\ncorrespondance value of cement-water "
            "ratio",
            "Enter second real value of concrete strength and\ncorrespondance value of "
            "cement-water ratio",
            "Enter quantities of materials, kg per cu m", "Enter humidity of materials, %",
            "Enter share of sand in coarse aggregates\nand share of coarse aggregates in sand, %"};
        // The headings in the order they were made (Label1, Label2, ...).
        QMap<int, QString> byNumber;
        for (QLabel* l : dialog_->findChildren<QLabel*>())
            if (!l->buddy()) byNumber.insert(l->objectName().mid(5).toInt(), l->text());
        const QStringList shown = byNumber.values();
        QCOMPARE(shown, headings);
    }

    // Each command selects its page first, whatever page the dialog was left on.
    void opensOnTheCommandsPage_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("command");
        QTest::newRow("strength after strength") << 0 << 0;
        QTest::newRow("aggregates after strength") << 0 << 1;
        QTest::newRow("strength after aggregates") << 1 << 0;
        QTest::newRow("aggregates after aggregates") << 1 << 1;
    }
    void opensOnTheCommandsPage() {
        QFETCH(int, left);
        QFETCH(int, command);
        ModalWatchdog watchdog(5000);
        field("edRb1")->setText("31.5");
        openAndClose(left);
        int shownIndex = -1;
        bool firstFieldVisible = false, firstFieldFocused = false;
        const int code = open(command, [&] {
            shownIndex = page()->currentIndex();
            QLineEdit* first = field(command == 0 ? "edRb1" : "edP");
            firstFieldVisible = first->isVisible();
            firstFieldFocused = dialog_->focusWidget() == first;
            button(closeName(command))->click();
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(shownIndex, command);
        QVERIFY(firstFieldVisible);
        QVERIFY(firstFieldFocused);
        QCOMPARE(code, int(QDialog::Rejected));
        QCOMPARE(area_->windowNumber(), 0);                 // Close runs nothing
        QCOMPARE(field("edRb1")->text(), QString("31.5"));  // texts kept between uses
    }

    // F1 opens the topic of the page the focus is on, from a field or from a button.
    void f1OpensThePageTopic_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("topic");
        QTest::newRow("strength, a field") << 0 << "edRtr" << 31;
        QTest::newRow("strength, its Close") << 0 << "BitBtn2" << 31;
        QTest::newRow("aggregates, a field") << 1 << "edYsc_p" << 32;
        QTest::newRow("aggregates, its OK") << 1 << "bbcorrect_zapoln" << 32;
        QTest::newRow("strength, the tab bar") << 0 << "qt_tabwidget_tabbar" << 31;
        QTest::newRow("aggregates, the tab bar") << 1 << "qt_tabwidget_tabbar" << 32;
    }
    void f1OpensThePageTopic() {
        QFETCH(int, index);
        QFETCH(QString, focus);
        QFETCH(int, topic);
        RecordingHelp help;
        app_->setHelp(&help);
        ModalWatchdog watchdog(5000);
        open(index, [&] {
            QWidget* target = dialog_->findChild<QWidget*>(focus);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
            button(closeName(index))->click();
        });
        app_->setHelp(nullptr);
        QVERIFY(!watchdog.fired());
        QCOMPARE(help.shown, QList<int>{topic});
        QCOMPARE(area_->windowNumber(), 0);
    }

    // Enter and Esc run the correction of the shown page, as OK does; Close runs nothing.
    void keysAndButtons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("windows");
        for (int index : {0, 1}) {
            const QByteArray tag = index == 0 ? "strength, " : "aggregates, ";
            QTest::newRow(tag + "Esc") << index << "escape" << 1;
            QTest::newRow(tag + "Enter") << index << "enter" << 1;
            QTest::newRow(tag + "OK") << index << "ok" << 1;
            QTest::newRow(tag + "Close") << index << "close" << 0;
        }
    }
    void keysAndButtons() {
        QFETCH(int, index);
        QFETCH(QString, how);
        QFETCH(int, windows);
        ModalWatchdog watchdog(5000);
        fill(kStrengthExample);
        fill(kAggregateExample);
        openAndClose(1 - index);  // leave the dialog on the other page first
        const int code = open(index, [&] {
            QLineEdit* first = field(index == 0 ? "edRb1" : "edP");
            if (how == "escape") QTest::keyClick(first, Qt::Key_Escape);
            if (how == "enter") QTest::keyClick(first, Qt::Key_Return);
            if (how == "ok")
                button(index == 0 ? "bbcorrect_strength" : "bbcorrect_zapoln")->click();
            if (how == "close") button(closeName(index))->click();
        });
        QVERIFY(!watchdog.fired());
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(code, windows ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(area_->windowNumber(), windows);
        QCOMPARE(area_->documents().size(), windows);
        if (!windows) return;
        TextWindow* report = area_->documents().front();
        const char* title = index == 0 ? kStrengthTitle : kAggregateTitle;
        QCOMPARE(report->windowTitle(), QString::fromUtf8(title) + "1");
        orvan::FieldTexts texts;
        for (const auto& [name, text] : index == 0 ? kStrengthExample : kAggregateExample)
            texts[name.toStdString()] = text.toStdString();
        const auto lines =
            index == 0
                ? orvan::correction::runStrengthCorrection(texts, orvan::NumberFormat{}).lines
                : orvan::correction::runAggregateCorrection(texts, orvan::NumberFormat{}).lines;
        QStringList expected;
        for (const auto& line : lines) expected << QString::fromStdString(line);
        QCOMPARE(report->logicalLines(), expected);
    }

    // A fault shows the runtime's message in the error box, closes the dialog and leaves no
    // window: the window number stays where the last report left it.
    void faultLeavesNoWindow_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("strength, not a number") << 0 << "edC_V2"
                                                << "1.6x"
                                                << "'1.6x' is not a valid floating point value";
        QTest::newRow("strength, empty") << 0 << "edV"
                                         << ""
                                         << "'' is not a valid floating point value";
        QTest::newRow("strength, equal strengths") << 0 << "edRb2"
                                                   << "30"
                                                   << "Floating point division by zero";
        QTest::newRow("strength, R1 zero") << 0 << "edRb1"
                                           << "0"
                                           << "Invalid floating point operation";
        QTest::newRow("aggregates, not a number") << 1 << "edWsc"
                                                  << "2%"
                                                  << "'2%' is not a valid floating point value";
        QTest::newRow("aggregates, humidity 100") << 1 << "edWp"
                                                  << "100"
                                                  << "Floating point division by zero";
    }
    void faultLeavesNoWindow() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        ModalWatchdog watchdog(5000);
        fill(kStrengthExample);
        fill(kAggregateExample);
        open(index, [&] { QTest::keyClick(field(name), Qt::Key_Escape); });  // report number 1
        QCOMPARE(area_->windowNumber(), 1);
        field(name)->setText(text);
        QString shown, caption, boxName;
        const int code = open(index, [&] {
            answerNextModal(
                [&](QWidget* box) {
                    if (auto* messageBox = qobject_cast<QMessageBox*>(box))
                        shown = messageBox->text();
                    caption = box->windowTitle();
                    boxName = box->objectName();
                    box->close();
                },
                dialog_);
            QTest::keyClick(field(name), Qt::Key_Escape);
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(shown, message);
        QCOMPARE(caption, QString("Orvan-6.4"));
        QCOMPARE(boxName, QString("errorBox"));
        QCOMPARE(code, int(QDialog::Accepted));  // the dialog closes after a failed correction
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(area_->windowNumber(), 1);
        QCOMPARE(area_->documents().size(), 1);
    }
};

QTEST_MAIN(CorrectionDialogTest)
#include "CorrectionDialogTest.moc"
