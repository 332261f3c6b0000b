// "New mixture..." through the real dialogs: OK, Enter and Esc run the proportioning; the
// frost, water-tightness, steam-curing and cement-saving dialogs come up in the run's order,
// each on its own page; Cancel anywhere leaves no window and uses no number; refusals and
// faults are shown and leave no window; texts stay between showings.
#include <cstring>

#include "mixdesign/calc/MixRun.h"
#include "tests/mixdesign/default_report.h"
#include "ui_Fixture.h"

namespace mix = orvan::mix;

namespace {

// What a scripted user does with one modal window.
using Texts = QList<QPair<QString, QString>>;
struct Step {
    Step(QString expect = {}, Texts set = {}, QString how = "ok")
        : expect(std::move(expect)), set(std::move(set)), how(std::move(how)) {}
    QString expect;  // "fmBNS", "F_W/F", "Vubor_Econ/plast", "messageBox"
    Texts set;       // texts (or radio indices) to put in first
    QString how;     // ok, enter, esc, close, titlebar, box (read and close)
};
using Steps = QList<Step>;
using Options = QList<QPair<QString, int>>;

const char* const kTitle1 = "Window \u21161. Proportioning concrete mixture";

// The report of the all-defaults mix, line by line.
const QStringList kDefaultReport = [] {
    QStringList lines;
    for (const std::string& line : mixtest::kDefaultReportLines)
        lines << QString::fromStdString(line);
    return lines;
}();

QString describe(QWidget* modal) {
    if (auto* d = qobject_cast<MixDialogBase*>(modal)) {
        if (QTabWidget* tabs = d->pageControl()) {
            int visible = 0;
            for (int i = 0; i < tabs->count(); ++i) visible += tabs->isTabVisible(i);
            QString name = d->objectName() + "/" + tabs->currentWidget()->objectName();
            // The properties dialog shows its one page alone; the technique dialog all four.
            if (visible != (d->objectName() == "F_W" ? 1 : tabs->count())) name += "(tabs!)";
            return name;
        }
    }
    return modal->objectName();
}

void fill(QWidget* modal, const Texts& texts) {
    for (const auto& [name, text] : texts) {
        if (QLineEdit* edit = editOf(modal, name))
            edit->setText(text);
        else if (groupOf(modal, name))
            chooseItem(modal, name, text.toInt());
        else
            QFAIL(qPrintable("no field " + name + " on " + modal->objectName()));
    }
}

void act(QWidget* modal, const QString& how) {
    auto* dialog = qobject_cast<MixDialogBase*>(modal);
    if (how == "box" || !dialog) {
        modal->close();
        return;
    }
    QWidget* page = dialog->pageControl() ? dialog->pageControl()->currentWidget() : dialog;
    QLineEdit* first = page->findChild<QLineEdit*>();
    QWidget* target = first ? static_cast<QWidget*>(first) : dialog->actionButton();
    if (how == "ok") {
        // The OK of the page shown (the paged dialogs have one per page).
        for (QPushButton* b : page->findChildren<QPushButton*>())
            if (b->text() == "OK") return b->click();
    }
    if (how == "enter") return QTest::keyClick(target, Qt::Key_Return);
    if (how == "esc") return QTest::keyClick(target, Qt::Key_Escape);
    if (how == "close") {
        for (QPushButton* b : page->findChildren<QPushButton*>())
            if (b->text() == "&Close") return b->click();
    }
    if (how == "titlebar") return (void)dialog->close();
    QFAIL(qPrintable("cannot " + how + " on " + modal->objectName()));
}

}  // namespace

Q_DECLARE_METATYPE(Step)

class MixUiRunTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<MixUiWindows> w_;
    QStringList seen_;      // the modal windows in the order they came up
    QStringList messages_;  // "messageBox: text" or "errorBox: text"

    // A scripted answer belongs to one test function: one left over from a failed test (its
    // window never came) lets the modal windows of later tests alone.
    static inline int generation_ = 0;
    void answer(QWidget* except, std::function<void(QWidget*)> fn) {
        answerNextModal(
            [gen = generation_, fn = std::move(fn)](QWidget* modal) {
                if (gen == generation_) fn(modal);
            },
            except, 5000);
    }

    // Answers the modal windows in order: step 0 is fmBNS; later steps skip fmBNS, which
    // stays up under them. Each step schedules the next before it acts.
    void script(QList<Step> steps, int at = 0) {
        if (at >= steps.size()) return;
        QWidget* except = at == 0 ? nullptr : w_->mixInput.get();
        answer(except, [this, steps, at](QWidget* modal) {
            seen_ << describe(modal);
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                messages_ << box->objectName() + ": " + box->text();
            script(steps, at + 1);
            fill(modal, steps[at].set);
            act(modal, steps[at].how);
        });
    }
    int run(const QList<Step>& steps) {
        seen_.clear();
        messages_.clear();
        script(steps);
        return w_->mixInput->exec();
    }
    void setOptions(const Options& choices) {
        for (const auto& [name, index] : choices) chooseItem(w_->options.get(), name, index);
    }
    // The lines of the newest report window.
    QStringList reportLines() const { return w_->area->documents().back()->logicalLines(); }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(folder_->path()));
        w_ = std::make_unique<MixUiWindows>();
    }
    void cleanup() {
        ++generation_;
        w_.reset();
        QDir::setCurrent(QDir::tempPath());
        folder_.reset();
    }

    // OK, Enter and Esc all run the proportioning; the defaults give the 30-line report.
    void defaultsByEveryKey_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "ok";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Esc") << "esc";
    }
    void defaultsByEveryKey() {
        QFETCH(QString, how);
        ModalWatchdog watchdog(5000);
        const int code = run({{"fmBNS", {}, how}});
        QVERIFY(!watchdog.fired());
        QCOMPARE(code, int(QDialog::Accepted));
        QCOMPARE(seen_, QStringList{"fmBNS"});
        QCOMPARE(w_->area->windowNumber(), 1);
        QCOMPARE(w_->area->documents().size(), 1);
        QCOMPARE(w_->area->documents().front()->windowTitle(), QString(kTitle1));
        QCOMPARE(reportLines(), kDefaultReport);
        QCOMPARE(w_->mixInput->lastOutcome(), orvan::OutcomeKind::Done);
        // The session keeps the quantities the report prints for that window, until it goes.
        TextWindow* report = w_->area->documents().front();
        const auto design = w_->session.reportDesign(report);
        QVERIFY(design);
        QCOMPARE((QStringList{design->water, design->sand, design->coarse}),
                 (QStringList{"172", "756", "1280"}));
        QVERIFY(!w_->session.reportDesign(w_->area.get()));
        delete report;
        QVERIFY(!w_->session.reportDesign(report));
    }

    void closeRunsNothing() {
        ModalWatchdog watchdog(5000);
        const int code = run({{"fmBNS", {{"edClassBet", "30"}}, "close"}});
        QVERIFY(!watchdog.fired());
        QCOMPARE(code, int(QDialog::Rejected));
        QCOMPARE(w_->area->windowNumber(), 0);
    }

    // Every option on: the dialogs come up in the run's order, each on its page, and the
    // report holds what was typed into them.
    void throughEveryDialog_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK buttons") << "ok";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Esc") << "esc";
    }
    void throughEveryDialog() {
        QFETCH(QString, how);
        ModalWatchdog watchdog(8000);
        setOptions({{"rgFrost", 0}, {"rgWaterproof", 0}, {"rgProparka", 0}, {"rgEconomy", 0}});
        const int code = run({
            {"fmBNS", {{"edClassBet", "25"}, {"edYdoboykl", "4"}}, "ok"},
            {"F_W/F", {{"edMarka_F", "150"}}, how},
            {"F_W/W", {{"edW", "500"}}, how},
            {"fmTVO", {{"edT_prop", "8"}, {"rgYskoriteli", "2"}, {"rgVid_Cem", "1"}}, how},
            {"economy", {{"rgEconomy", "4"}}, how},
            {"Vubor_Econ/plast", {{"edPlast", "12"}}, how},
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(code, int(QDialog::Accepted));
        QCOMPARE(seen_,
                 (QStringList{"fmBNS", "F_W/F", "F_W/W", "fmTVO", "economy", "Vubor_Econ/plast"}));
        QCOMPARE(messages_, QStringList{});
        QCOMPARE(w_->area->windowNumber(), 1);
        QCOMPARE(w_->area->documents().front()->windowTitle(), QString(kTitle1));
        const QStringList lines = reportLines();
        for (const char* line :
             {"Compressive strength of concrete at 28 days, MPa: 25", "Value of workability: 4 sm",
              "The value of watertightness is given", "Water pressure, kPa: 500",
              "Resistance to freezing and thawing is given", "Number of freeze-thaw cycles: 150",
              "Atmospheric steam curing is used", "Steaming period, hours: 8",
              "Period after steam curing, hours: 4",
              "Calcium chloride is used as an accelerator at he time of steam curing",
              "Portland-Blast-Furnace-Slag Cement (Type 10S) is used", "Adding of plasticizer",
              "Water-reducing effect is, %: 12"})
            QVERIFY2(lines.contains(line), line);

        // The same texts answered without dialogs give the same report.
        mix::AnsweringDialogs answers;
        answers.setTexts("F_W", {{"edMarka_F", "150"}, {"edW", "500"}});
        answers.setTexts("fmTVO", {{"edT_prop", "8"}, {"rgYskoriteli", "2"}, {"rgVid_Cem", "1"}});
        answers.setTexts("economy", {{"rgEconomy", "4"}});
        answers.setTexts("Vubor_Econ", {{"edPlast", "12"}});
        const auto expected =
            mix::runProportioning(w_->mixInput->fields().texts(), w_->options->currentOptions(),
                                  answers, orvan::NumberFormat{});
        QCOMPARE(expected.kind, orvan::OutcomeKind::Done);
        QStringList expectedLines;
        for (const auto& line : expected.lines) expectedLines << QString::fromStdString(line);
        QCOMPARE(lines, expectedLines);
    }

    // Cancel at any in-run dialog: no window, no message, no number used.
    void cancelAtEachDialog_data() {
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("how");
        const char* names[] = {"frost page", "water-tightness page", "steam curing",
                               "technique choice", "technique page"};
        for (int at = 1; at <= 5; ++at) {
            QTest::newRow(QByteArray(names[at - 1]) + ", Close") << at << "close";
            QTest::newRow(QByteArray(names[at - 1]) + ", title bar") << at << "titlebar";
        }
    }
    void cancelAtEachDialog() {
        QFETCH(int, at);
        QFETCH(QString, how);
        ModalWatchdog watchdog(8000);
        setOptions({{"rgFrost", 0}, {"rgWaterproof", 0}, {"rgProparka", 0}, {"rgEconomy", 0}});
        QList<Step> steps{
            {"fmBNS"},         {"F_W/F"}, {"F_W/W"}, {"fmTVO"}, {"economy", {{"rgEconomy", "2"}}},
            {"Vubor_Econ/ash"}};
        steps[at].how = how;
        steps = steps.mid(0, at + 1);
        QStringList expected;
        for (const Step& s : steps) expected << s.expect;
        const int code = run(steps);
        QVERIFY(!watchdog.fired());  // a message box would have been left for the watchdog
        QCOMPARE(code, int(QDialog::Accepted));
        QCOMPARE(seen_, expected);
        QCOMPARE(messages_, QStringList{});
        QCOMPARE(w_->area->windowNumber(), 0);
        QCOMPARE(w_->mixInput->lastOutcome(), orvan::OutcomeKind::Cancelled);

        // The next run takes number 1: the cancelled one used none.
        setOptions({{"rgFrost", 1}, {"rgWaterproof", 1}, {"rgProparka", 1}, {"rgEconomy", 1}});
        run({{"fmBNS"}});
        QCOMPARE(w_->area->windowNumber(), 1);
        QCOMPARE(w_->area->documents().front()->windowTitle(), QString(kTitle1));
    }

    // "No technique" always continues with the mix as it was, even after a run cancelled on a
    // technique page: the report is the all-defaults one.
    void noTechniqueAfterACancelledTechnique() {
        ModalWatchdog watchdog(8000);
        setOptions({{"rgEconomy", 0}});
        run({{"fmBNS"}, {"economy", {{"rgEconomy", "3"}}}, {"Vubor_Econ/superplast", {}, "close"}});
        QCOMPARE(w_->area->windowNumber(), 0);
        run({{"fmBNS"}, {"economy", {{"rgEconomy", "0"}}}});
        QVERIFY(!watchdog.fired());
        QCOMPARE(seen_, (QStringList{"fmBNS", "economy"}));
        QCOMPARE(w_->area->windowNumber(), 1);
        QCOMPARE(reportLines(), kDefaultReport);
    }

    // A refused technique shows its message and leaves no window.
    void refusals_data() {
        QTest::addColumn<Options>("options");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("message");
        QTest::newRow("stronger cement with water-tightness")
            << Options{{"rgWaterproof", 0}, {"rgEconomy", 0}}
            << QList<Step>{{"fmBNS"}, {"F_W/W"}, {"economy", {{"rgEconomy", "1"}}}, {"", {}, "box"}}
            << QString(mix::kStrongerCementRefused);
        QTest::newRow("stronger cement with frost resistance")
            << Options{{"rgFrost", 0}, {"rgEconomy", 0}}
            << QList<Step>{{"fmBNS"}, {"F_W/F"}, {"economy", {{"rgEconomy", "1"}}}, {"", {}, "box"}}
            << QString(mix::kStrongerCementRefused);
        for (int technique : {3, 4})
            QTest::newRow(technique == 3 ? "superplasticizer after steaming with it"
                                         : "plasticizer after steaming with a superplasticizer")
                << Options{{"rgProparka", 0}, {"rgEconomy", 0}}
                << QList<Step>{{"fmBNS"},
                               {"fmTVO", {{"rgYskoriteli", "3"}}},
                               {"economy", {{"rgEconomy", QString::number(technique)}}},
                               {"", {}, "box"}}
                << QString(mix::kPlasticizerRefused);
    }
    void refusals() {
        QFETCH(Options, options);
        QFETCH(Steps, steps);
        QFETCH(QString, message);
        ModalWatchdog watchdog(8000);
        setOptions(options);
        run(steps);
        QVERIFY(!watchdog.fired());
        QCOMPARE(messages_, QStringList{"messageBox: " + message});
        QCOMPARE(w_->area->windowNumber(), 0);
    }

    // A fault shows its message and leaves no window: "Error" for the run's own steps, the
    // runtime's message for an in-run dialog's own entry.
    void faults_data() {
        QTest::addColumn<Options>("options");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("message");
        QTest::newRow("strength not a number")
            << Options{} << QList<Step>{{"fmBNS", {{"edClassBet", "2O"}}}, {"", {}, "box"}}
            << "messageBox: Error";
        QTest::newRow("zero normal consistency (critical C/W divides by it)")
            << Options{} << QList<Step>{{"fmBNS", {{"edNGCT", "00"}}}, {"", {}, "box"}}
            << "messageBox: Error";
        QTest::newRow("freeze-thaw cycles not a number")
            << Options{{"rgFrost", 0}}
            << QList<Step>{{"fmBNS"}, {"F_W/F", {{"edMarka_F", "1OO"}}}, {"", {}, "box"}}
            << "errorBox: '1OO' is not a valid floating point value";
        QTest::newRow("water pressure empty")
            << Options{{"rgWaterproof", 0}}
            << QList<Step>{{"fmBNS"}, {"F_W/W", {{"edW", ""}}}, {"", {}, "box"}}
            << "errorBox: '' is not a valid floating point value";
        QTest::newRow("steaming hours not a number")
            << Options{{"rgProparka", 0}}
            << QList<Step>{{"fmBNS"}, {"fmTVO", {{"edT_prop", "ten"}}}, {"", {}, "box"}}
            << "errorBox: 'ten' is not a valid floating point value";
        QTest::newRow("averaged data in lower case")
            << Options{{"rgEconomy", 0}}
            << QList<Step>{{"fmBNS"},
                           {"economy", {{"rgEconomy", "3"}}},
                           {"Vubor_Econ/superplast", {{"edSuperplast", "the average data"}}},
                           {"", {}, "box"}}
            << "errorBox: 'the average data' is not a valid floating point value";
    }
    void faults() {
        QFETCH(Options, options);
        QFETCH(Steps, steps);
        QFETCH(QString, message);
        ModalWatchdog watchdog(8000);
        setOptions(options);
        const int code = run(steps);
        QVERIFY(!watchdog.fired());
        QCOMPARE(code, int(QDialog::Accepted));  // the dialog closes after a failed run
        QCOMPARE(messages_, QStringList{message});
        QCOMPARE(w_->area->windowNumber(), 0);
    }

    // A masked field short of its pattern stops OK before the run: a message names the field
    // and its pattern, the dialog stays up with the focus on the field, nothing is published.
    void incompleteMaskedFieldStopsOK_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("two of four digits")
            << "edNPl_P"
            << "12"
            << "\"Bulk density of sand, kg per cu m\": enter four digits";
        QTest::newRow("one of two digits")
            << "edNGCT"
            << "5"
            << "\"Normal consistency of cement paste, %\": enter two digits";
        QTest::newRow("digit.digit left blank")
            << "edMkr_P"
            << " ."
            << "\"Fineness modulus of sand\": enter a digit, a point and a digit";
    }
    void incompleteMaskedFieldStopsOK() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ModalWatchdog watchdog(8000);
        QString shown;
        bool stillUp = false;
        QWidget* focused = nullptr;
        answer(nullptr, [&](QWidget* mixInput) {
            answer(mixInput, [&](QWidget* box) {
                shown = static_cast<QMessageBox*>(box)->text();
                answer(box, [&](QWidget* again) {
                    stillUp = again == w_->mixInput.get();
                    focused = w_->mixInput->focusWidget();
                    act(again, "close");
                });
                box->close();
            });
            editOf(mixInput, field)->setText(typed);
            act(mixInput, "ok");
        });
        const int code = w_->mixInput->exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(shown, message);
        QVERIFY(stillUp);
        QCOMPARE(focused, static_cast<QWidget*>(editOf(w_->mixInput.get(), field)));
        QCOMPARE(code, int(QDialog::Rejected));
        QCOMPARE(w_->area->windowNumber(), 0);
    }

    // Texts stay in every dialog from one showing to the next; the stronger-cement page starts
    // from the mix's cement strength every time.
    void textsStayBetweenShowings() {
        ModalWatchdog watchdog(10000);
        setOptions({{"rgFrost", 0}, {"rgEconomy", 0}});
        run({{"fmBNS", {{"edClassBet", "020"}, {"edNKr_Sc", "40"}, {"rgYdoboykl", "1"}}},
             {"F_W/F", {{"edMarka_F", "75"}}, "close"}});
        run({{"fmBNS", {{"edMarkCem", "55"}}},
             {"F_W/F"},
             {"economy", {{"rgEconomy", "2"}}},
             {"Vubor_Econ/ash", {{"edAsh", "90"}}, "close"}});
        QString strengthPageText;
        run({{"fmBNS", {{"edMarkCem", "45"}}},
             {"F_W/F"},
             {"economy", {{"rgEconomy", "1"}}},
             {"", {}, "box"}});  // refused with frost on; the page is not shown
        setOptions({{"rgFrost", 1}});
        seen_.clear();
        answer(nullptr, [&](QWidget*) {
            answer(w_->mixInput.get(), [&](QWidget* modal) {
                seen_ << describe(modal);
                answer(w_->mixInput.get(), [&](QWidget* page) {
                    seen_ << describe(page);
                    strengthPageText = editOf(page, "edMarka_C")->text();
                    editOf(page, "edMarka_C")->setText("60");
                    act(page, "ok");
                });
                act(modal, "ok");  // the choice kept from the last run: item 1
            });
            act(w_->mixInput.get(), "ok");
        });
        w_->mixInput->exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(seen_, (QStringList{"economy", "Vubor_Econ/marka_cem"}));
        QCOMPARE(strengthPageText, QString("45"));
        QCOMPARE(editOf(w_->mixInput.get(), "edClassBet")->text(), QString("020"));
        QCOMPARE(editOf(w_->mixInput.get(), "edNKr_Sc")->text(), QString("40"));
        QCOMPARE(groupOf(w_->mixInput.get(), "rgYdoboykl")->itemIndex(), 1);
        QCOMPARE(editOf(w_->fw.get(), "edMarka_F")->text(), QString("75"));
        QCOMPARE(editOf(w_->technique.get(), "edAsh")->text(), QString("90"));
        QCOMPARE(w_->area->windowNumber(), 1);
        const QStringList lines = reportLines();
        QVERIFY(lines.contains("Compressive strength of concrete at 28 days, MPa: 020"));
        QVERIFY(lines.contains("The Vebe of concrete mix (sec) is given"));
        QVERIFY(lines.contains("Increasing of compressive strength of cement"));
        QVERIFY(lines.contains("\u0421ompressive strength of cement, MPa: 60"));
    }

    // Under a comma locale the default texts (written with a point) still convert, and the
    // report's numbers take the comma.
    void commaLocale() {
        ModalWatchdog watchdog(5000);
        useDecimalComma();
        run({{"fmBNS", {{"edClassBet", "20,0"}}}});
        useDecimalPoint();
        QVERIFY(!watchdog.fired());
        QCOMPARE(w_->area->windowNumber(), 1);
        const QStringList lines = reportLines();
        QVERIFY(lines.contains("Compressive strength of concrete at 28 days, MPa: 20,0"));
        QVERIFY(lines.contains("Water-cement ratio: 0,84"));
        QVERIFY(
            lines.contains("Calculated compressive strength of concrete at 28 days, MPa: 20,0"));
    }

    // options.slv is read only when the options dialog is shown: before that, runs use the
    // built-in defaults; a group left with nothing selected by the file counts as No.
    void optionsFileReadOnlyByTheOptionsDialog() {
        ModalWatchdog watchdog(8000);
        QByteArray record(48, '\0');
        const std::int32_t indices[6] = {1, 0, 0, 1, 1, 0};  // frost and reinforcement Yes
        const double densities[3] = {3.15, 2.65, 2.68};
        std::memcpy(record.data(), indices, 24);
        std::memcpy(record.data() + 24, densities, 24);
        QFile file("options.slv");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(record);
        file.close();
        run({{"fmBNS"}});
        QCOMPARE(seen_, QStringList{"fmBNS"});  // no frost page: the file was not read
        QCOMPARE(reportLines(), kDefaultReport);

        answer(nullptr, [&](QWidget* modal) { act(modal, "ok"); });
        w_->options->exec();
        run({{"fmBNS"}, {"F_W/F", {{"edMarka_F", "50"}}}});
        QCOMPARE(seen_, (QStringList{"fmBNS", "F_W/F"}));
        QVERIFY(reportLines().contains("Cement content, kg per cu m: 220"));

        groupOf(w_->options.get(), "rgFrost")->setItemIndex(-1);
        run({{"fmBNS"}});
        QVERIFY(!watchdog.fired());
        QCOMPARE(seen_, QStringList{"fmBNS"});
        QCOMPARE(w_->area->windowNumber(), 3);
    }

    // Options changed and closed with OK (not saved) are what the next run uses.
    void unsavedOptionsAreUsed() {
        ModalWatchdog watchdog(8000);
        answer(nullptr, [&](QWidget* modal) {
            chooseItem(modal, "rgArmatyra", 0);
            chooseItem(modal, "rgFrost", 0);
            act(modal, "ok");
        });
        w_->options->exec();
        run({{"fmBNS"}, {"F_W/F", {{"edMarka_F", "50"}}}});
        QVERIFY(!watchdog.fired());
        QCOMPARE(seen_, (QStringList{"fmBNS", "F_W/F"}));
        const QStringList lines = reportLines();
        QVERIFY(lines.contains("Cement content, kg per cu m: 220"));
        QVERIFY(lines.contains("Number of freeze-thaw cycles: 50"));
        QVERIFY(!lines.last().startsWith("Air content"));  // 50 cycles need no air
    }
};

QTEST_MAIN(MixUiRunTest)
#include "ui_RunTest.moc"
