// Quality control in the program: the chart window's verdict report and PDF, the CUSUM and
// conformity dialogs, "Export PDF..." and "Batch weights..." from a proportioning report.
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QValueAxis>

#include "ControlFixture.h"
#include "NumberLocale.h"
#include "RegisteredWindow.h"
#include "common/NumberText.h"
#include "correction/CorrectionDialog.h"
#include "kit/PdfExport.h"
#include "kit/TextWindow.h"
#include "mixdesign/MixInputDialog.h"
#include "shell/MainWindow.h"
#include "strength_control/AnalysedPeriodInputDialog.h"
#include "strength_control/AnalysedPeriodSetupDialog.h"
#include "strength_control/ConformityDialog.h"
#include "strength_control/ControlChartAxis.h"
#include "strength_control/CusumChartWindow.h"
#include "strength_control/CusumDialog.h"

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF of vector drawing: a PDF, and no picture inside it.
bool isVectorPdf(const QByteArray& bytes) {
    return bytes.startsWith("%PDF-") && !bytes.contains("/Subtype /Image");
}

// Runs `click`, closing (and recording) the message box it shows, if any. An answer left
// waiting after a click that showed nothing stands down, so it cannot close a later window.
QString messageOf(const std::function<void()>& click) {
    auto text = std::make_shared<QString>();
    auto done = std::make_shared<bool>(false);
    answerNextModal([text, done](QWidget* modal) {
        if (*done) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) *text = box->text();
        modal->close();
    });
    click();
    *done = true;
    return *text;
}

CusumChartWindow* lastCusumChart() {
    CusumChartWindow* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* chart = qobject_cast<CusumChartWindow*>(w)) found = chart;
    return found;
}

}  // namespace

class QualityWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        useDecimalPoint();
        QVERIFY(dir_.isValid());
        QDir::setCurrent(dir_.path());  // no options file: the proportioning defaults
    }

    void chartReportNamesTheBrokenLimitsAndPdfIsVector() {
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.setFigures("25", "2", "27", "23", "30", "20");
        PromptLog log;
        bool inspected = false;
        ModalScript script(
            {answerPrompt(w, log, "24"), answerPrompt(w, log, "31"), inspectChart(w, [&] {
                 inspected = true;
                 w.chart->findChild<QPushButton*>("bbReport")->click();
                 const QString path = dir_.filePath("chart.pdf");
                 const orvan::Outcome<> written = w.chart->savePdf(path);
                 QVERIFY2(written.ok(), written.message.c_str());
                 QVERIFY(isVectorPdf(fileBytes(path)));
             })});
        script.start();
        w.chart->exec();
        QVERIFY(inspected && !watchdog.fired());
        const QList<TextWindow*> reports = w.area.documents();
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports[0]->windowTitle(),
                 QString("Statistical control. Controllable period. Window №1"));
        const QStringList lines = reports[0]->logicalLines();
        QVERIFY(lines.contains("Party 1: 24.0 MPa - within the limits of warning"));
        QVERIFY(lines.contains("Party 2: 31.0 MPa - beyond the top limit of correcting"));
        QVERIFY(lines.contains("Parties beyond the top limit of correcting: 1"));
    }

    void chartReportWithoutADrawnChartSaysSo() {
        ControlWindows w;
        QCOMPARE(messageOf([&] { w.chart->findChild<QPushButton*>("bbReport")->click(); }),
                 QString("The chart holds no strengths to report."));
        QVERIFY(w.area.documents().isEmpty());
    }

    void cusum_data() {
        QTest::addColumn<QString>("sigma");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("strengths");
        QTest::addColumn<QString>("message");  // empty: a report and a chart
        QTest::addColumn<int>("signalCount");
        // T = 25 from the controlled period, K = 1, H = 8: C+ = 1, 3, 6, 8, 9.
        QTest::newRow("drift up") << "2"
                                  << "4"
                                  << "27\n28\n29 28;27"
                                  << "" << 1;
        QTest::newRow("zero sigma refused")
            << "0"
            << "5"
            << "25"
            << "The standard deviation s must be greater than zero." << 0;
        QTest::newRow("bad strength") << "2"
                                      << "5"
                                      << "25 2x"
                                      << "'2x' is not a valid floating point value" << 0;
        QTest::newRow("no deviation and no analysed period")
            << ""
            << "5"
            << "25"
            << "Type the target mean and the standard deviation, or compute an analyzed period "
               "first."
            << 0;
    }
    void cusum() {
        QFETCH(QString, sigma);
        QFETCH(QString, h);
        QFETCH(QString, strengths);
        QFETCH(QString, message);
        QFETCH(int, signalCount);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.input->findChild<QLineEdit*>("edRy")->setText("25");
        CusumDialog dialog(w.app, w.inputs, w.analysed);
        dialog.show();  // shown: the target is taken from the controlled period
        QCOMPARE(dialog.findChild<QLineEdit*>("edTarget")->text(), QString("25"));
        dialog.findChild<QLineEdit*>("edSigma")->setText(sigma);
        dialog.findChild<QLineEdit*>("edH")->setText(h);
        dialog.findChild<QPlainTextEdit*>("edStrengths")->setPlainText(strengths);
        const QString shown = messageOf([&] { dialog.runCusum(); });
        QCOMPARE(shown, message);
        CusumChartWindow* chart = lastCusumChart();
        QCOMPARE(w.area.documents().size(), message.isEmpty() ? 1 : 0);
        QCOMPARE(chart != nullptr, message.isEmpty());
        if (!chart) return;
        QCOMPARE(w.area.documents()[0]->windowTitle(),
                 QString("Statistical control. CUSUM. Window №1"));
        QCOMPARE(chart->upperSeries()->points(),
                 QList<QPointF>({{1, 1}, {2, 3}, {3, 6}, {4, 8}, {5, 9}}));
        QCOMPARE(chart->limitSeries()->points(), QList<QPointF>({{0, 8}, {5, 8}}));
        QCOMPARE(chart->signalSeries()->count(), signalCount);
        QCOMPARE(chart->signalSeries()->at(0), QPointF(5, 9));
        // From the journal: its party numbers under the axis and in the tooltips.
        std::vector<orvan::control::SeriesPartyMark> marks;
        for (int i = 1; i <= 5; ++i)
            marks.push_back({"J-" + std::to_string(i), "2026-01-0" + std::to_string(i), i == 5});
        chart->setParties(marks);
        QCOMPARE(chart->partyLabels()->labelAt(2), QString("J-2"));
        QVERIFY(chart->partyToolTip(5).endsWith("(journal party J-5 of 2026-01-05) (predicted)"));
        const QString path = dir_.filePath("cusum.pdf");
        const orvan::Outcome<> written = chart->savePdf(path);
        QVERIFY2(written.ok(), written.message.c_str());
        QVERIFY(isVectorPdf(fileBytes(path)));
        delete chart;
        QVERIFY(!watchdog.fired());
    }

    // A long journal's CUSUM: every party drawn, about ten party ticks while the chart has no
    // width yet (not one a party), the signals bordered in their own red so that where they
    // overlap they still show.
    void longCusumChartDrawsEveryPartyUnderFewTicks() {
        orvan::control::CusumResult result;
        result.decisionInterval = 4;
        for (int i = 1; i <= 20000; ++i) {
            result.upper.push_back(i / 10.0), result.lower.push_back(0);
            if (i > 40) result.signalList.push_back({i, orvan::control::CusumSide::Up});
        }
        CusumChartWindow chart;
        chart.draw(result);
        QCOMPARE(chart.upperSeries()->count(), 20000);
        QCOMPARE(chart.signalSeries()->count(), 20000 - 40);
        QCOMPARE(chart.signalSeries()->borderColor(), QColor(Qt::red));
        const auto* parties = qobject_cast<QValueAxis*>(
            chart.upperSeries()->attachedAxes().at(0)->orientation() == Qt::Horizontal
                ? chart.upperSeries()->attachedAxes().at(0)
                : chart.upperSeries()->attachedAxes().at(1));
        QVERIFY(parties->tickInterval() >= 1000);
    }

    // Blank, T and s come from the analysed period: every party 20 ... 30 and B = 10 give the
    // average level 16.6 and V = 16.00 % of the party mean 25: single results spread by 4.00,
    // a party mean of 6 extracts by 4.00 / sqrt(6) = 1.63.
    void cusumTakesTargetAndDeviationFromTheAnalysedPeriod() {
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        AnalysedPeriodSetupDialog setup(w.app, w.analysed);
        AnalysedPeriodInputDialog period(w.app, w.analysed, AnalysedPeriodInputDialog::fiveBySix());
        setup.findChild<QLineEdit*>("edB")->setText("10");
        for (int party = 1; party <= 5; ++party)
            for (int extract = 1; extract <= 6; ++extract)
                period.extractField(party, extract)->setText(QString::number(18 + 2 * extract));
        period.runAnalysis();
        CusumDialog dialog(w.app, w.inputs, w.analysed);
        dialog.findChild<QLineEdit*>("edTarget")->clear();
        dialog.findChild<QLineEdit*>("edSigma")->clear();
        dialog.findChild<QPlainTextEdit*>("edStrengths")->setPlainText("25");
        QCOMPARE(messageOf([&] { dialog.runCusum(); }), QString());
        const QList<TextWindow*> reports = w.area.documents();
        QCOMPARE(reports.size(), 2);
        const QStringList lines = reports[1]->logicalLines();
        QVERIFY(lines.contains("Target mean T, MPa: 16.6"));
        QVERIFY(lines.contains("Standard deviation s, MPa: 1.63"));
        QVERIFY(lines.contains("T: the average level of strength of the newest analysed period"));
        QVERIFY(lines.contains(
            "s: the standard deviation of a party mean from the newest analysed period: its "
            "coefficient of variation 16.00 % times its mean strength 25.00 MPa, divided by the "
            "square root of its 6 extracts per party"));
        delete lastCusumChart();
        QVERIFY(!watchdog.fired());
    }

    void conformity_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("sigma");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("outcome");  // the report's last line, or the message
        QTest::addColumn<int>("journal");      // weekly results the journal hands on, 33 and 37
        QTest::newRow("initial conforms") << 0 << ""
                                          << "35\t33\n34"
                                          << "The results conform to the rule" << 0;
        QTest::newRow("continuous, s from the journal")
            << 1 << "" << QString("33 37 ").repeated(8) << "The results conform to the rule" << 40;
        QTest::newRow("continuous, too few in the journal")
            << 1 << "" << QString("33 37 ").repeated(8)
            << "The standard deviation s needs at least 35 consecutive results; 20 were given."
            << 20;
        QTest::newRow("aci fails") << 2 << ""
                                   << "28 29 26"
                                   << "The results do not conform to the rule" << 0;
        QTest::newRow("continuous without s")
            << 1 << " " << QString("35 ").repeated(15)
            << "The rule EN 206, continuous production needs the standard deviation s." << 0;
        QTest::newRow("negative s") << 1 << "-2" << QString("27 ").repeated(15)
                                    << "The standard deviation s must be greater than zero." << 0;
        QTest::newRow("bad s") << 1 << "s"
                               << "35"
                               << "'s' is not a valid floating point value" << 0;
    }
    void conformity() {
        QFETCH(int, rule);
        QFETCH(QString, sigma);
        QFETCH(QString, results);
        QFETCH(QString, outcome);
        QFETCH(int, journal);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        ConformityDialog dialog(w.app);
        if (journal > 0) {
            orvan::control::JournalConformity given;
            for (int i = 0; i < journal; ++i)
                given.history.push_back(
                    {QDate(2026, 1, 1).addDays(7 * i).toString(Qt::ISODate).toStdString(),
                     i % 2 ? 37.0 : 33.0});
            dialog.setJournalResults(given);
        }
        dialog.findChild<QComboBox*>("cbRule")->setCurrentIndex(rule);
        dialog.findChild<QLineEdit*>("edSpecified")->setText("30");
        dialog.findChild<QLineEdit*>("edSigma")->setText(sigma);
        dialog.findChild<QPlainTextEdit*>("edResults")->setPlainText(results);
        const QString shown = messageOf([&] { dialog.runConformity(); });
        const QList<TextWindow*> reports = w.area.documents();
        if (reports.isEmpty()) {
            QCOMPARE(shown, outcome);
        } else {
            QCOMPARE(shown, QString());
            QCOMPARE(reports[0]->windowTitle(),
                     QString("Statistical control. Conformity. Window №1"));
            QCOMPARE(reports[0]->logicalLines().last(), outcome);
            if (journal > 0)
                QVERIFY(reports[0]
                            ->logicalLines()
                            .filter("Standard deviation s of the 35 "
                                    "results from 2026-02-05")
                            .size() == 1);
        }
        QVERIFY(!watchdog.fired());
    }

    void textPdfIsWholeOrNothing() {
        const QStringList rows = {"first row", "", "third row"};
        const QString path = dir_.filePath("report.pdf");
        const orvan::Outcome<> written = writeTextPdf(path, "Window №1", rows, QPageLayout());
        QVERIFY2(written.ok(), written.message.c_str());
        QVERIFY(isVectorPdf(fileBytes(path)));
        // 200 rows take three A4 pages within margins of 15 mm, each numbered "page N of 3".
        QStringList many;
        for (int i = 1; i <= 200; ++i) many << QString("row %1").arg(i);
        const QString long3 = dir_.filePath("long.pdf");
        QVERIFY(writeTextPdf(long3, "Window №2", many, QPageLayout()).ok());
        QCOMPARE(fileBytes(long3).count("/Type /Page\n"), 3);
        const QString nowhere = dir_.filePath("no/such/folder/report.pdf");
        const orvan::Outcome<> refused = writeTextPdf(nowhere, "Window №1", rows, QPageLayout());
        QCOMPARE(refused.kind, orvan::OutcomeKind::Failed);
        QCOMPARE(refused.style, orvan::MessageStyle::Message);
        QVERIFY(!refused.message.empty());
        QVERIFY(!QFile::exists(nowhere));
    }

    // From a proportioning report: the aggregate page opens with the design's figures, and a
    // mixer volume adds one load's batch weights after the page's lines.
    void batchWeightsFromTheActiveProportioningReport() {
        ModalWatchdog watchdog(20000);
        MainWindow window;
        window.createWindows();
        window.show();  // a hidden window area has no active window
        QCOMPARE(messageOf([&] { window.run(Command::BatchWeights); }),
                 QString("Make a proportioning report window active first: its design gives the "
                         "quantities."));
        auto* mixInput = registeredWindow<MixInputDialog>(window.app(), "fmBNS");
        mixInput->runProportioning();
        QCOMPARE(mixInput->lastOutcome(), orvan::OutcomeKind::Done);
        const auto& v = mixInput->lastValues();
        QStringList filled;
        auto* correction = registeredWindow<CorrectionDialog>(window.app(), "correction");
        answerNextModal([&](QWidget* modal) {
            for (const char* name : {"edP", "edSC", "edVoda", "edCement", "edFlyAsh"})
                filled << modal->findChild<QLineEdit*>(name)->text();
            for (auto [name, text] : {std::pair{"edWp", "5"},
                                      {"edWsc", "2"},
                                      {"edXp_sc", "0"},
                                      {"edYsc_p", "0"},
                                      {"edMixerVolume", "0.5"}})
                modal->findChild<QLineEdit*>(name)->setText(text);
            modal->findChild<QPushButton*>("bbcorrect_zapoln")->click();
        });
        window.run(Command::BatchWeights);
        QVERIFY(!watchdog.fired());
        QCOMPARE(correction->selectedPage(), 1);
        QCOMPARE(filled, QStringList({QString::fromStdString(
                                          orvan::formatFixed(v.sand, 0, orvan::NumberFormat{})),
                                      QString::fromStdString(orvan::formatFixed(
                                          v.coarseAggregate, 0, orvan::NumberFormat{})),
                                      QString::fromStdString(orvan::formatFixed(
                                          v.mix.waterContent, 0, orvan::NumberFormat{})),
                                      QString::fromStdString(orvan::formatFixed(
                                          v.mix.cementContent, 0, orvan::NumberFormat{})),
                                      QString()}));
        const QStringList lines = window.documents()->activeDocument()->logicalLines();
        QCOMPARE(lines.size(), 21 + 8);
        QCOMPARE(lines[28],
                 "Cement, kg: " + QString::fromStdString(orvan::formatFixed(
                                      filled[3].toDouble() * 0.5, 1, orvan::NumberFormat{})));
        QCOMPARE(lines[20], QString("Cement content is constant"));
        QCOMPARE(lines[24], QString("Mixer volume, cu m: 0.5"));
        // Both shares 0: half of S / 0.95.
        QCOMPARE(lines[26],
                 "Sand, kg: " + QString::fromStdString(orvan::formatFixed(
                                    filled[0].toDouble() / 0.95 * 0.5, 1, orvan::NumberFormat{})));
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(QualityWindowsTest)
#include "QualityWindowsTest.moc"
