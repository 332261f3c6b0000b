#pragma once
#include <QCoreApplication>
#include <QMargins>
#include <QPointer>
#include <functional>
#include <optional>

#include "common/Outcome.h"
#include "kit/DialogBase.h"
#include "strength_control/calc/ControlChart.h"

class QBoxLayout;
class QChart;
class QChartView;
class QFileDialog;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class BatchMarks;
class ChartZoom;
class PartyAxisLabels;
class QComboBox;
class QPushButton;
class QScrollBar;
struct ControlledPeriodInputs;

// The control chart window. Each time it opens it builds the chart over the controlled
// period's inputs, asking the strength of every batch through the batch prompt the main window
// gives, and draws it; "Save..." writes the chart to a picture file.
class ControlChartWindow : public DialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmPeriod_Control2";

    ControlChartWindow(AppContext& app, const ControlledPeriodInputs& inputs,
                       QWidget* parent = nullptr);

    // Asks the strength of batch n (1-based) and returns the text the user left; without a
    // prompt every answer is empty.
    using BatchPrompt = std::function<QString(int batch)>;
    void setBatchPrompt(BatchPrompt prompt) { askBatch_ = std::move(prompt); }

    // Asks the batch strengths and draws; a failure shows its message and leaves the series
    // empty and the vertical range as it was.
    void drawChart();
    // The next opening draws this chart (built from the strength journal) instead of asking.
    void setGivenChart(orvan::control::ChartOutcome chart) { givenChart_ = std::move(chart); }

    // Writes the chart to `fileName` (format from its name); failed with the reason.
    orvan::Outcome<> savePicture(const QString& fileName) const;
    // Writes the chart to `fileName` as a vector PDF; failed with the reason.
    orvan::Outcome<> savePdf(const QString& fileName) const;
    // The chart as last built (failed and empty when the building stopped).
    const orvan::control::ChartOutcome& lastChart() const { return lastChart_; }

    QChart* chart() const;
    QValueAxis* verticalAxis() const { return axisY_; }
    QValueAxis* horizontalAxis() const { return axisX_; }
    // The named series (Series3, Series4, Series2, Series1, Series5, Series6), in legend order.
    QList<QLineSeries*> namedSeries() const { return named_; }
    // The batch strengths as drawn: their line, square markers and value labels.
    BatchMarks* batchMarks() const { return marks_; }
    // A long series (more batches than the prompt asks): zoom and scroll, the journal's party
    // numbers or dates under the party axis.
    ChartZoom* zoom() const { return zoom_; }
    PartyAxisLabels* partyLabels() const { return partyLabels_; }
    QPushButton* wholePeriodButton() const { return whole_; }
    QComboBox* partyAxisChoice() const { return axisChoice_; }
    QScrollBar* partyScrollBar() const { return bar_; }

    void done(int result) override;

protected:
    void runAction() override { savePicture(); }
    void showEvent(QShowEvent* event) override;

private:
    QChartView* chartView_ = nullptr;
    QFileDialog* savePictureDialog_ = nullptr;  // made on the first Save
    void savePicture();
    void makeSavePictureDialog();
    void buildChart();
    void clearSeries();
    void drawSeries(int index, const orvan::control::ChartSeries& series);
    QLineSeries* addSegment(const orvan::control::ChartSeries& series, int first, int last);
    void setHorizontalRange(int batches);
    void addLongSeriesControls(QBoxLayout* buttons);
    void endLongSeries();
    void showLongSeries(const orvan::control::ChartValues& chart);
    QString pointToolTip(const orvan::control::ChartValues& chart, int index) const;
    // Gives the marks of strengths beyond the vertical range room inside the chart.
    void fitMarks();
    void showPredictedKey(bool shown);
    QRectF chartRect() const;

    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    QList<QLineSeries*> named_;
    QList<QLineSeries*> segments_;
    QScatterSeries* predictedKey_ = nullptr;  // made on first use
    BatchMarks* marks_ = nullptr;
    ChartZoom* zoom_ = nullptr;
    PartyAxisLabels* partyLabels_ = nullptr;
    QPushButton* whole_ = nullptr;
    QComboBox* axisChoice_ = nullptr;
    QScrollBar* bar_ = nullptr;
    QMargins baseMargins_;
    bool fitting_ = false;
    bool activated_ = false;
    const QString startFolder_;
    const ControlledPeriodInputs& inputs_;
    BatchPrompt askBatch_;
    orvan::control::ChartOutcome lastChart_;
    std::optional<orvan::control::ChartOutcome> givenChart_;
};
