// The journal window over an SQLite journal in a temporary folder: import, the parties table
// with its filter and sort, paste, delete, the analysed period published as the dialogs
// publish theirs, and the control chart of the later parties in the chart window.
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "common/NumberText.h"
#include "journal/JournalDesigns.h"
#include "journal/JournalPeriods.h"
#include "journal/ui/JournalWindow.h"
#include "journal/ui/PartyTableModel.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/TextWindow.h"
#include "mixdesign/MixInputDialog.h"
#include "mixdesign/ProportioningInputs.h"
#include "mixdesign/ProportioningInputsBinding.h"
#include "mixdesign/calc/MixRun.h"
#include "strength_control/ControlChartMarks.h"
#include "strength_control/ControlChartWindow.h"
#include "strength_control/ControlledPeriodDialog.h"
#include "strength_control/ControlledPeriodInputs.h"
#include "tests/testkit/ModalDriver.h"

class JournalWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    AppContext* app_ = nullptr;
    DocumentArea* area_ = nullptr;
    ControlledPeriodInputs inputs_;
    ControlChartWindow* chart_ = nullptr;
    JournalWindow* window_ = nullptr;
    QStringList messages_;

    // Mix M: parties 1..8 dated 1..8 January, six extracts each (20, 22, ..., 30).
    QString sampleCsv() {
        std::string text = "date,mix,party,extract,strength\n";
        for (int p = 1; p <= 8; ++p)
            for (int e = 1; e <= 6; ++e)
                text += "2026-01-0" + std::to_string(p) + ",M," + std::to_string(p) + "," +
                        std::to_string(e) + "," + std::to_string(18 + 2 * e) + "\n";
        text += "2026-02-01,Other,1,1,25\n";
        const QString path = dir_.filePath("sample.csv");
        std::ofstream(path.toStdString(), std::ios::binary) << text;
        return path;
    }
    int rows() {
        PartyTableModel* model = window_->partyModel();
        while (model->canFetchMore()) model->fetchMore();
        return model->rowCount();
    }
    template <class T>
    T* child(const char* name) {
        T* found = window_->findChild<T*>(name);
        if (!found) qFatal("no widget %s", name);
        return found;
    }
    // The question before a delete, agreed to with a reason.
    void agreeToDelete() {
        answerNextModal([this](QWidget* w) {
            messages_ << w->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)->text();
            w->findChild<QLineEdit*>("edReason")->setText("test");
            w->findChild<QPushButton*>("bbConfirm")->click();
        });
    }
    void answerMessage() {
        answerNextModal([this](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            messages_ << (box ? box->text() : "<" + w->objectName() + ">");
            if (box) box->button(QMessageBox::Ok)->click();
        });
    }

private slots:
    void init() {
        messages_.clear();
        app_ = new AppContext;
        area_ = new DocumentArea(*app_);
        app_->setDocuments(area_);
        chart_ = new ControlChartWindow(*app_, inputs_);
        app_->registerWindow(chart_);
        window_ = new JournalWindow(*app_, nullptr, dir_.filePath("journal.sqlite"));
        // As the main window connects them.
        window_->setChartOpener([this](orvan::control::ChartOutcome chart) {
            chart_->setGivenChart(std::move(chart));
            chart_->exec();
        });
        QVERIFY(window_->openJournal());
        window_->importFile(sampleCsv());
        window_->selectMix("M");
    }
    void cleanup() {
        delete window_;
        delete chart_;
        delete area_;
        delete app_;
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(dir_.filePath("journal.sqlite") + suffix);
    }

    void tableFiltersSortsPastesAndDeletes() {
        QCOMPARE(child<QListWidget>("lbMixes")->count(), 2);
        QCOMPARE(rows(), 8);
        // The extracts take the room left, unless a column of another age follows them.
        QHeaderView* header = child<QTableView>("tvParties")->horizontalHeader();
        QCOMPARE(header->sectionResizeMode(PartyTableModel::Extracts), QHeaderView::Stretch);
        const QString early = dir_.filePath("early.csv");
        std::ofstream(early.toStdString(), std::ios::binary)
            << "date,mix,party,extract,strength,age\n2026-01-01,M,1,1,15,7\n";
        window_->importFile(early);
        window_->selectMix("M");
        QCOMPARE(header->sectionResizeMode(PartyTableModel::Extracts),
                 QHeaderView::ResizeToContents);
        // Editing the party edits its results at each age and its design too.
        auto* table = child<QTableView>("tvParties");
        table->setCurrentIndex(window_->partyModel()->index(0, PartyTableModel::Number));
        answerNextModal([](QWidget* dialog) {
            QCOMPARE(dialog->findChild<QLineEdit*>("edStrengths7")->text(), QString("15"));
            dialog->findChild<QLineEdit*>("edStrengths7")->setText("15; 16,5");
            dialog->findChild<QLineEdit*>("edDesign")->setText("D1");
            qobject_cast<QDialog*>(dialog)->accept();
        });
        child<QPushButton>("bbEditParty")->click();
        const auto edited = window_->journal()->party(window_->partyModel()->partyId(0)).values;
        QCOMPARE(edited->otherAges.at(0).strengthTexts, (std::vector<std::string>{"15", "16.5"}));
        QCOMPARE(edited->design, std::string("D1"));
        child<QLineEdit>("edFrom")->setText("2026-01-05");
        emit child<QLineEdit>("edFrom")->editingFinished();
        QCOMPARE(rows(), 4);
        window_->partyModel()->sort(PartyTableModel::Number, Qt::DescendingOrder);
        QCOMPARE(window_->partyModel()->index(0, PartyTableModel::Number).data().toString(), "8");
        QCOMPARE(window_->partyModel()->index(0, PartyTableModel::Mean).data().toString(), "25.00");
        child<QLineEdit>("edFrom")->clear();
        emit child<QLineEdit>("edFrom")->editingFinished();
        child<QLineEdit>("edUntil")->setText("2026-03-01");
        window_->pasteBlock(
            "20,5\t22\t24\t26\t28\t30\n20\t22\t24\t26\t28\t30\n20\t22\t24\t26\t28\t30\n"
            "20\t22\t24\t26\t28\t30\n20\t22\t24\t26\t28\t30\n");
        QCOMPARE(rows(), 13);
        QCOMPARE(QString::fromStdString(
                     window_->journal()->party(window_->partyModel()->partyId(0)).values->number),
                 "13");
        QCOMPARE(window_->partyModel()->index(4, PartyTableModel::Extracts).data().toString(),
                 "20.5; 22; 24; 26; 28; 30");
        child<QTableView>("tvParties")->selectRow(0);
        ModalWatchdog watchdog(10000);
        agreeToDelete();
        window_->deleteSelectedParties();
        QCOMPARE(rows(), 12);
        QCOMPARE(messages_.last(), QString("Delete 1 parties (13) with 6 results?"));
        // Deleting the mix asks, naming what goes, and leaves no mix chosen for a second click.
        agreeToDelete();
        window_->deleteMix();
        QCOMPARE(messages_.last(), QString("Delete mix M with 12 parties and 74 results?"));
        QCOMPARE(child<QListWidget>("lbMixes")->count(), 1);
        QCOMPARE(child<QListWidget>("lbMixes")->currentRow(), -1);
        QVERIFY(!watchdog.fired());
    }

    void analysedPeriodPublishesAndChartDrawsLaterParties() {
        ModalWatchdog watchdog(10000);
        child<QLineEdit>("edClass")->setText("10");
        child<QLineEdit>("edUntil")->setText("2026-01-04");
        answerMessage();
        window_->analyse();
        QCOMPARE(messages_, QStringList({"Only 4 parties of the mix 'M' with 6 extracts dated on "
                                         "or before 2026-01-04 were found; the analysed period "
                                         "needs 5"}));
        QCOMPARE(area_->windowNumber(), 0);
        child<QLineEdit>("edUntil")->setText("2026-01-05");
        window_->analyse();
        QCOMPARE(area_->windowNumber(), 1);
        QCOMPARE(area_->documents().size(), 1);
        QCOMPARE(area_->documents()[0]->windowTitle(),
                 QString::fromUtf8("Statistical control. Analyzed period. Window №1"));
        int points = -1;
        QStringList labels;
        answerNextModal([&](QWidget* w) {
            QTimer::singleShot(0, w, [&, w] {  // after the window has drawn its chart
                points = chart_->namedSeries()[5]->count();
                labels = chart_->batchMarks()->labels();
                chart_->done(QDialog::Rejected);
            });
        });
        window_->showChart();
        QCOMPARE(points, 3);  // parties 6, 7 and 8
        QCOMPARE(labels.size(), 3);
        for (const QString& label : labels)  // means with the table's two decimals
            QVERIFY2(QRegularExpression("^\\d+\\.\\d\\d$").match(label).hasMatch(),
                     qPrintable(label));
        // The controlled-period dialog fills its five figures from the stored period.
        ControlledPeriodDialog control(*app_, inputs_);
        control.setStoredPeriodSource(
            [this](QWidget* parent) { return window_->chooseStoredPeriod(parent); });
        answerNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
        control.fillFromStoredPeriod();
        const auto period = orvan::journal::latestAnalysedPeriod(
                                *window_->journal(), window_->journal()->findMix("M").values->id)
                                .values;
        // The figures as the report shows them.
        QCOMPARE(control.findChild<QLineEdit*>("edRcor2")->text(),
                 QString::fromStdString(orvan::formatFixed(period->correctingBottom, 1, {})));
        QCOMPARE(control.findChild<QLineEdit*>("edRy")->text(), QString("16.6"));
        // Conformity over the parties the date filter admits, one mean each.
        // The dated history for a blank s reaches back before the range, not past its end.
        orvan::control::JournalConformity given;
        window_->setConformityOpener(
            [&](const orvan::control::JournalConformity& g) { given = g; });
        child<QLineEdit>("edFrom")->setText("2026-01-06");
        child<QLineEdit>("edTo")->setText("2026-01-07");
        window_->checkConformity();
        QCOMPARE(given.resultsText, std::string("25\n25"));  // both ends included
        QVERIFY(given.history.size() > 2);
        QCOMPARE(given.history.back().date, std::string("2026-01-07"));
        QVERIFY(!watchdog.fired());
    }

    // A read that fails while the window comes back to the front is said on the status line;
    // a box would activate the window again when it closes, and ask again without end.
    void activationRefreshTellsAFailedReadQuietly() {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "orvan-test-raw");
            db.setDatabaseName(dir_.filePath("journal.sqlite"));
            QVERIFY(db.open());
            QSqlQuery(db).exec("DROP TABLE extracts");
            db.close();
        }
        QSqlDatabase::removeDatabase("orvan-test-raw");
        ModalWatchdog watchdog(3000);
        QEvent activation(QEvent::ActivationChange);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QCoreApplication::sendEvent(window_, &activation);
        const QString said = child<QLabel>("lbState")->text();  // the database's own words
        QVERIFY2(!said.isEmpty() && !said.startsWith("Journal:"), qPrintable(said));
        QVERIFY(!watchdog.fired());
    }

    void designSavedFromTheReportAndLoadedIntoTheDialogs() {
        const orvan::mix::ProportioningOptions options;
        MixInputDialog bns(*app_, options);
        ProportioningInputs inputs;
        bindToInputs(&bns, inputs);
        window_->setProportioningInputs(&inputs);
        const auto before = bns.fields().texts();
        const QString field = QString::fromStdString(before.begin()->first);
        area_->publishReport(
            [](int n) { return QString::fromStdString(orvan::mix::mixReportTitle(n)); },
            {"report line 1", "report line 2"});
        answerNextModal([](QWidget* w) {
            auto* ask = qobject_cast<QInputDialog*>(w);
            ask->setTextValue("D1");
            ask->accept();
        });
        window_->saveDesign();
        bns.fields().setTexts({{field.toStdString(), "changed"}});
        window_->loadDesign();
        QCOMPARE(bns.fields().texts(), before);
        const auto design = orvan::journal::latestDesign(
                                *window_->journal(), window_->journal()->findMix("M").values->id)
                                .values;
        QVERIFY(design);
        QCOMPARE(design->reportLines, (std::vector<std::string>{"report line 1", "report line 2"}));
        QCOMPARE(design->name, std::string("D1"));
    }
};

QTEST_MAIN(JournalWindowTest)
#include "JournalWindowTest.moc"
