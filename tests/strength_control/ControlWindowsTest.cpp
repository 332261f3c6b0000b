// The controlled period's windows: the spinner, the prompts, the chart's series, colours and
// range after a run, and what each failure leaves drawn.
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QToolButton>
#include <QValueAxis>

#include "ControlFixture.h"
#include "NumberLocale.h"
#include "common/NumberText.h"
#include "strength_control/ControlChartAxis.h"
#include "strength_control/ControlChartMarks.h"
#include "strength_control/ControlChartZoom.h"

namespace {

QList<QLineSeries*> segmentsOf(ControlChartWindow* chart, const QString& name) {
    QList<QLineSeries*> out;
    for (QAbstractSeries* s : chart->chart()->series())
        if (s->objectName() == name + ".segment") out << static_cast<QLineSeries*>(s);
    return out;
}

QList<QPointF> pointsOf(const QXYSeries* series) {
    return series->points();
}

struct Run {
    PromptLog prompts;
    QString error;
    bool inspected = false;
};

// Shows the chart window with the prompts answered `answers` ("text" or "text|close" or
// "text|escape"), an error box expected when `expectError`, then `inspect`.
void runChart(
    ControlWindows& w, Run& run, const QStringList& answers, bool expectError,
    std::function<void()> inspect = [] {}) {
    std::vector<ModalScript::Step> steps;
    for (const QString& answer : answers) {
        const QStringList parts = answer.split('|');
        steps.push_back(answerPrompt(w, run.prompts, parts[0], parts.value(1, "ok")));
    }
    if (expectError) steps.push_back(closeMessageBox(run.error));
    steps.push_back(inspectChart(w, [&run, inspect] {
        run.inspected = true;
        inspect();
    }));
    ModalScript script(std::move(steps));
    script.start();
    w.chart->exec();
}

}  // namespace

class ControlWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useDecimalPoint(); }

    void spinner_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("shown");
        QTest::newRow("up from 10 wraps to 1") << "10"
                                               << "up"
                                               << "1";
        QTest::newRow("down from 1 wraps to 10") << "1"
                                                 << "down"
                                                 << "10";
        QTest::newRow("up from the start") << "3"
                                           << "up"
                                           << "4";
        QTest::newRow("down from the start") << "3"
                                             << "down"
                                             << "2";
        QTest::newRow("key Up in the field") << "10"
                                             << "key-up"
                                             << "1";
        QTest::newRow("key Down in the field") << "5"
                                               << "key-down"
                                               << "4";
        QTest::newRow("text not a number steps from the last position") << "abc"
                                                                        << "up"
                                                                        << "4";
        QTest::newRow("typed beyond the range steps from the last position") << "25"
                                                                             << "down"
                                                                             << "2";
    }
    void spinner() {
        QFETCH(QString, typed);
        QFETCH(QString, step);
        QFETCH(QString, shown);
        ControlWindows w;
        QCOMPARE(w.input->findChild<QLineEdit*>("edCountParty")->text(), QString("3"));
        QCOMPARE(w.input->findChild<UpDown*>("UpDown1")->position(), 3);
        w.input->findChild<QLineEdit*>("edCountParty")->setText(typed);
        if (step == "up")
            w.input->findChild<UpDown*>("UpDown1")->findChild<QToolButton*>("up")->click();
        if (step == "down")
            w.input->findChild<UpDown*>("UpDown1")->findChild<QToolButton*>("down")->click();
        if (step == "key-up")
            QTest::keyClick(w.input->findChild<QLineEdit*>("edCountParty"), Qt::Key_Up);
        if (step == "key-down")
            QTest::keyClick(w.input->findChild<QLineEdit*>("edCountParty"), Qt::Key_Down);
        QCOMPARE(w.input->findChild<QLineEdit*>("edCountParty")->text(), shown);
    }

    void typingIsNotLimited() {
        ControlWindows w;
        w.input->findChild<QLineEdit*>("edCountParty")->clear();
        QTest::keyClicks(w.input->findChild<QLineEdit*>("edCountParty"), "25");
        QCOMPARE(w.input->findChild<QLineEdit*>("edCountParty")->text(), QString("25"));
    }

    void fieldsAndCaptions() {
        ControlWindows w;
        QCOMPARE(w.input->windowTitle(),
                 QString("Statistical control of concrete strength. Controllable period."));
        QCOMPARE(w.prompt->windowTitle(), QString("Statistical control "));
        QCOMPARE(w.chart->windowTitle(), w.input->windowTitle());
        QCOMPARE(w.chart->size(), QSize(797, 429));
        QVERIFY(w.chart->isSizeGripEnabled());
        for (const char* name : {"edRy", "edCountParty", "edRpr1", "edRpr2", "edRcor1", "edRcor2"})
            QVERIFY2(w.input->findChild<QLineEdit*>(name), name);
        QCOMPARE(w.input->findChild<QLineEdit*>("edRy")->text(), QString());
        QCOMPARE(w.chart->findChild<QPushButton*>("BitBtn1")->text(), QString("Save..."));
        QCOMPARE(w.chart->findChild<QPushButton*>("BitBtn2")->text(), QString("Close"));
        for (QWidget* window :
             {static_cast<QWidget*>(w.input.get()), static_cast<QWidget*>(w.chart.get()),
              static_cast<QWidget*>(w.prompt.get())})
            QCOMPARE(DialogBase::helpContextFor(window), 42);
    }

    // The whole road: OK on the input dialog, three prompts, the chart, then both close.
    void fullRunDrawsTheChart() {
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.setFigures("25", "3", "27", "23", "30", "20");
        Run run;
        std::vector<ModalScript::Step> steps;
        steps.push_back([&](QWidget* modal) {
            QCOMPARE(modal, static_cast<QWidget*>(w.input.get()));
            QTest::keyClick(w.input->findChild<QLineEdit*>("edRy"), Qt::Key_Return);
        });
        steps.push_back(answerPrompt(w, run.prompts, "25"));
        steps.push_back(answerPrompt(w, run.prompts, "26", "close"));
        steps.push_back(answerPrompt(w, run.prompts, "24", "escape"));
        steps.push_back(inspectChart(w, [&] {
            run.inspected = true;
            checkDrawnChart(w);
        }));
        ModalScript script(std::move(steps));
        script.start();
        const int result = w.input->exec();
        QVERIFY(!watchdog.fired());
        QVERIFY(run.inspected);
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(!w.input->isVisible());
        QCOMPARE(run.prompts.labels,
                 QStringList({"Strength in 1 party, MPa:", "Strength in 2 party, MPa:",
                              "Strength in 3 party, MPa:"}));
        QCOMPARE(run.prompts.emptied, QList<bool>({true, true, true}));
        QVERIFY(w.area.documents().isEmpty());  // no text report
    }

    void closeOnPromptStoresTypedValue_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close after typing 25") << "close";
        QTest::newRow("Esc after typing 25") << "escape";
        QTest::newRow("OK after typing 25") << "ok";
    }
    void closeOnPromptStoresTypedValue() {
        QFETCH(QString, how);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.setFigures("25", "1", "27", "23", "30", "20");
        Run run;
        QList<QPointF> points;
        runChart(w, run, {"25|" + how}, false, [&] { points = w.chart->batchMarks()->points(); });
        QVERIFY(!watchdog.fired());
        QCOMPARE(points, QList<QPointF>({QPointF(1, 25)}));
    }

    void failures_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("warnTop");
        QTest::addColumn<QString>("corrBottom");
        QTest::addColumn<QString>("message");
        QTest::newRow("count not an integer") << "3.0" << QStringList() << "27"
                                              << "20"
                                              << "'3.0' is not a valid integer value";
        QTest::newRow("count negative") << "-1" << QStringList() << "27"
                                        << "20"
                                        << "'-1' is not a valid integer value";
        QTest::newRow("batch closed empty stops asking")
            << "3" << QStringList({"25", "|close"}) << "27"
            << "20"
            << "'' is not a valid floating point value";
        QTest::newRow("batch not a number") << "3" << QStringList({"2 5"}) << "27"
                                            << "20"
                                            << "'2 5' is not a valid floating point value";
        QTest::newRow("limit after all batches") << "2" << QStringList({"25", "26"}) << "high"
                                                 << "20"
                                                 << "'high' is not a valid floating point value";
        QTest::newRow("axis refused") << "2" << QStringList({"25", "26"}) << "27"
                                      << "40"
                                      << "Axis Minimum Value must be <= Maximum";
    }
    // Each failure shows its message and leaves the series empty and the range of the run
    // before (17 to 33).
    void failures() {
        QFETCH(QString, count);
        QFETCH(QStringList, answers);
        QFETCH(QString, warnTop);
        QFETCH(QString, corrBottom);
        QFETCH(QString, message);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.setFigures("25", "1", "27", "23", "30", "20");
        Run first;
        runChart(w, first, {"25"}, false);
        QCOMPARE(first.error, QString());

        w.setFigures("25", count, warnTop, "23", "30", corrBottom);
        Run run;
        int drawnPoints = -1;
        double min = 0, max = 0;
        runChart(w, run, answers, true, [&] {
            drawnPoints = w.chart->batchMarks()->count();
            for (QLineSeries* s : w.chart->namedSeries()) drawnPoints += s->count();
            drawnPoints += w.chart->chart()->series().size() - 6;  // segments left
            min = w.chart->verticalAxis()->min();
            max = w.chart->verticalAxis()->max();
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(run.error, message);
        QCOMPARE(run.prompts.labels.size(), answers.size());
        QCOMPARE(drawnPoints, 0);
        QCOMPARE(min, 17.0);
        QCOMPARE(max, 33.0);
    }

    // A second period far below the first draws on its own range.
    void secondPeriodFarBelow() {
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.setFigures("35", "2", "37", "33", "40", "30");
        Run first, second;
        runChart(w, first, {"35", "36"}, false);
        w.setFigures("7", "2", "8", "6", "10", "5");
        double min = 0, max = 0;
        QList<QPointF> strengths;
        runChart(w, second, {"7", "7.5"}, false, [&] {
            min = w.chart->verticalAxis()->min();
            max = w.chart->verticalAxis()->max();
            strengths = w.chart->batchMarks()->points();
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(min, 2.0);
        QCOMPARE(max, 13.0);
        QCOMPARE(strengths, QList<QPointF>({QPointF(1, 7), QPointF(2, 7.5)}));
        QCOMPARE(segmentsOf(w.chart.get(), "Series5").size(), 1);  // the first run's are gone
    }

    // "Close" closes the chart window with nothing saved; Esc is the "Save..." button's.
    void chartWindowButtons_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("saveOffered");
        QTest::addColumn<int>("result");
        QTest::newRow("Close") << "close" << false << int(QDialog::Rejected);
        QTest::newRow("Esc runs Save...") << "escape" << true << int(QDialog::Accepted);
    }
    void chartWindowButtons() {
        QFETCH(QString, how);
        QFETCH(bool, saveOffered);
        QFETCH(int, result);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.setFigures("25", "1", "27", "23", "30", "20");
        PromptLog log;
        bool offered = false;
        std::vector<ModalScript::Step> steps{
            answerPrompt(w, log, "25"), [&](QWidget*) {
                if (how == "close")
                    w.chart->findChild<QPushButton*>("BitBtn2")->click();
                else
                    QTest::keyClick(w.chart.get(), Qt::Key_Escape);
            }};
        if (saveOffered)
            steps.push_back([&](QWidget* modal) {
                offered = modal == w.chart->findChild<QFileDialog*>("SavePictureDialog1");
                static_cast<QDialog*>(modal)->reject();
            });
        ModalScript script(std::move(steps));
        script.start();
        QCOMPARE(w.chart->exec(), result);
        QVERIFY(!watchdog.fired());
        QCOMPARE(offered, saveOffered);
    }

    // Strengths beyond the vertical range (17 to 33) and the last batch at x = n: every
    // marker and label stands whole inside the chart, the plot area giving up height.
    void marksBeyondTheRangeStayWhole_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("beyond");
        QTest::newRow("12 and 38 MPa") << QStringList({"12", "25", "38"}) << true;
        QTest::newRow("38 at the last batch") << QStringList({"25", "26", "38"}) << true;
        QTest::newRow("within the range") << QStringList({"25", "33", "17"}) << false;
    }
    void marksBeyondTheRangeStayWhole() {
        QFETCH(QStringList, answers);
        QFETCH(bool, beyond);
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.setFigures("25", "3", "27", "23", "30", "20");
        Run run;
        QStringList outside;
        QRectF plot;
        runChart(w, run, answers, false, [&] {
            const BatchMarks* marks = w.chart->batchMarks();
            const QRectF whole(QPointF(0, 0), w.chart->chart()->size());
            plot = w.chart->chart()->plotArea();
            for (int i = 0; i < marks->count(); ++i)
                if (!whole.contains(marks->markerRect(i)) || !whole.contains(marks->labelRect(i)))
                    outside << marks->labels()[i];
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(outside, QStringList());
        QCOMPARE(w.chart->verticalAxis()->min(), 17.0);
        QCOMPARE(w.chart->verticalAxis()->max(), 33.0);
        // The plot gives up height only when a strength lies beyond the range.
        QCOMPARE(w.chart->chart()->margins().top() > 20, beyond);
        QVERIFY(plot.height() > 50);
    }

    void zeroBatchesCollapseTheLines() {
        ModalWatchdog watchdog(20000);
        ControlWindows w;
        w.setFigures("25", "0", "27", "23", "30", "20");
        Run run;
        QList<QPointF> average;
        int strengths = -1;
        runChart(w, run, {}, false, [&] {
            average = pointsOf(w.chart->namedSeries()[4]);
            strengths = w.chart->batchMarks()->count();
        });
        QVERIFY(!watchdog.fired());
        QCOMPARE(average, QList<QPointF>({QPointF(0, 25), QPointF(0, 25)}));
        QCOMPARE(strengths, 0);
    }

private:
    static void checkDrawnChart(ControlWindows& w) {
        ControlChartWindow* c = w.chart.get();
        QCOMPARE(c->verticalAxis()->min(), 17.0);
        QCOMPARE(c->verticalAxis()->max(), 33.0);
        QCOMPARE(c->horizontalAxis()->min(), 0.0);
        QCOMPARE(c->horizontalAxis()->max(), 3.0);
        QCOMPARE(c->chart()->title(), QString("Technological card of concrete strength"));
        QCOMPARE(c->chart()->titleBrush().color(), QColor(0, 0, 255));
        QVERIFY(c->chart()->titleFont().bold());
        QCOMPARE(c->chart()->titleFont().pixelSize(), 12);
        QCOMPARE(c->horizontalAxis()->titleText(),
                 QString("Controllable industrial parties of concrete"));
        QCOMPARE(c->verticalAxis()->titleText(), QString("Strength of concrete, MPa"));
        QCOMPARE(c->verticalAxis()->titleFont().pixelSize(), 11);
        QCOMPARE(c->verticalAxis()->linePen().width(), 3);

        struct Expected {
            const char* name;
            const char* title;
            QColor legend, line;
            int width;
            double level;
        };
        const Expected rows[] = {
            {"Series3", "Limit of correcting", QColor(0, 128, 0), QColor(0, 128, 0), 3, 30},
            {"Series4", "Limit of correcting", QColor(0, 128, 0), QColor(0, 128, 0), 3, 20},
            {"Series2", "Limit of warning", QColor(255, 0, 0), QColor(255, 0, 0), 3, 27},
            {"Series1", "Limit of warning", QColor(255, 0, 0), QColor(255, 0, 0), 3, 23},
            {"Series5", "Average level of strength", QColor(0, 128, 255), QColor(0, 0, 255), 3, 25},
        };
        const auto named = c->namedSeries();
        QCOMPARE(named.size(), 6);
        for (int i = 0; i < 5; ++i) {
            const Expected& e = rows[i];
            QCOMPARE(named[i]->objectName(), QString(e.name));
            QCOMPARE(named[i]->name(), QString(e.title));
            QCOMPARE(named[i]->pen().color(), e.legend);
            QCOMPARE(pointsOf(named[i]),
                     QList<QPointF>({QPointF(0, e.level), QPointF(3, e.level)}));
            const auto segments = segmentsOf(c, e.name);
            QCOMPARE(segments.size(), 1);
            QCOMPARE(segments[0]->pen().color(), e.line);
            QCOMPARE(segments[0]->pen().width(), e.width);
        }
        QCOMPARE(named[5]->objectName(), QString("Series6"));
        QCOMPARE(named[5]->name(), QString("Real strength of concrete"));
        QCOMPARE(named[5]->pen().color(), QColor(255, 128, 255));
        const QList<QPointF> strengths({QPointF(1, 25), QPointF(2, 26), QPointF(3, 24)});
        QCOMPARE(pointsOf(named[5]), strengths);
        QVERIFY(segmentsOf(c, "Series6").isEmpty());  // the marks draw its line
        const BatchMarks* marks = c->batchMarks();
        QCOMPARE(marks->points(), strengths);
        QCOMPARE(marks->lineWidth(), 2);
        for (int i = 0; i < 3; ++i) QCOMPARE(marks->color(i), QColor(255, 0, 255));
        QCOMPARE(marks->labels(), QStringList({"25", "26", "24"}));

        QStringList legend;
        for (QLegendMarker* m : c->chart()->legend()->markers())
            if (m->isVisible()) legend << m->label();
        QCOMPARE(legend, QStringList({"Limit of correcting", "Limit of correcting",
                                      "Limit of warning", "Limit of warning",
                                      "Average level of strength", "Real strength of concrete"}));
    }

private slots:
    // A chart of the journal's 132 parties: every point inside the range, the labels of points
    // beyond the limits kept, tooltips, party numbers under the axis, zoom and "Whole period",
    // the last two parties predicted (hollow, with the legend's key), and its PDF one A4 page,
    // landscape.
    void longSeriesFromTheJournal() {
        ControlWindows w;
        // The figures of the journal's chart over the dialog's own defaults, as the journal
        // builds it.
        orvan::FieldTexts texts = orvan::defaultTexts(orvan::control::controlForm());
        for (const auto& [name, text] : orvan::FieldTexts{{"edRy", "25"},
                                                          {"edCountParty", "132"},
                                                          {"edRpr1", "27"},
                                                          {"edRpr2", "23"},
                                                          {"edRcor1", "30"},
                                                          {"edRcor2", "20"}})
            texts[name] = text;
        auto strength = [](int batch) {
            return batch == 40 ? 41.5 : batch == 90 ? 12.0 : 24 + batch % 3;
        };
        auto chart = orvan::control::buildControlChart(
            texts, [&](int b, const std::string&) { return orvan::formatRoundTrip(strength(b)); },
            orvan::NumberFormat{});
        QVERIFY2(chart.ok(), chart.message.c_str());
        chart.values.series.back().labelDecimals = 2;
        for (int i = 1; i <= 132; ++i)
            chart.values.parties.push_back(
                {"P-" + std::to_string(i), "2026-05-" + std::to_string(10 + i % 20), i > 130});
        w.chart->setGivenChart(chart);
        w.chart->resize(797, 429);
        w.chart->show();
        w.chart->drawChart();
        QCOMPARE(w.chart->verticalAxis()->min(), 9.0);
        QCOMPARE(w.chart->verticalAxis()->max(), 44.5);
        BatchMarks* marks = w.chart->batchMarks();
        QVERIFY(marks->labelShown(39));
        QVERIFY(marks->labelShown(89));
        int shown = 0;
        for (int i = 0; i < marks->count(); ++i) shown += marks->labelShown(i);
        QVERIFY2(shown > 2 && shown < 132, qPrintable(QString::number(shown)));
        QCOMPARE(marks->toolTipAt(marks->markerRect(39).center()),
                 QStringLiteral("Party P-40 of 2026-05-10: 41.50 MPa"));
        QVERIFY(w.chart->partyLabels()->tickStep() >= 10);
        QCOMPARE(w.chart->partyLabels()->labelAt(int(w.chart->partyLabels()->tickStep())),
                 QStringLiteral("P-%1").arg(int(w.chart->partyLabels()->tickStep())));
        w.chart->zoom()->zoomAt(66, 0.25);
        QVERIFY(w.chart->horizontalAxis()->max() - w.chart->horizontalAxis()->min() < 40);
        w.chart->wholePeriodButton()->click();
        QCOMPARE(w.chart->horizontalAxis()->min(), 0.0);
        QCOMPARE(w.chart->horizontalAxis()->max(), 132.5);  // the last marker whole
        // The legend's last entry is the key to the hollow markers of the predicted parties.
        const auto legend = w.chart->chart()->legend()->markers();
        QVERIFY(!legend.isEmpty());
        QCOMPARE(legend.last()->label(), QString("Predicted strength"));
        QVERIFY(marks->toolTipAt(marks->markerRect(131).center()).endsWith("(predicted)"));
        QTemporaryDir dir;
        QVERIFY(w.chart->savePdf(dir.filePath("chart.pdf")).ok());
        QFile pdf(dir.filePath("chart.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray data = pdf.readAll();
        QCOMPARE(data.count("/MediaBox"), 1);
        QVERIFY(data.contains("/MediaBox [0 0 842.000000 595.000000]"));
        w.chart->hide();
    }
};

QTEST_MAIN(ControlWindowsTest)
#include "ControlWindowsTest.moc"
