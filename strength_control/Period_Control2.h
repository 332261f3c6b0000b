#pragma once
#include <QPointer>
#include <optional>

#include "app/OrvanDialog.h"
#include "strength_control/calc/ControlChart.h"

class QChart;
class QChartView;
class QFileDialog;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The control chart window. Each time it opens it asks the strength of every batch through
// the batch prompt and draws the chart; "Save..." writes the chart to a picture file.
class TfmPeriod_Control2 : public OrvanDialog {
    Q_OBJECT
public:
    explicit TfmPeriod_Control2(AppContext& app, QWidget* parent = nullptr);

    // Asks the batch strengths and draws; a failure shows its message and leaves the series
    // empty and the vertical range as it was.
    void FormActivate();
    // The next opening draws this chart (built from the strength journal) instead of asking.
    void setGivenChart(orvan::control::ChartOutcome chart) { givenChart_ = std::move(chart); }

    // Writes the chart to `fileName` (format from its name); false with `error` on failure.
    bool savePicture(const QString& fileName, QString* error) const;

    QChartView* Chart1 = nullptr;
    QFileDialog* SavePictureDialog1 = nullptr;

    QChart* chart() const;
    QValueAxis* verticalAxis() const { return axisY_; }
    QValueAxis* horizontalAxis() const { return axisX_; }
    // The named series (Series3, Series4, Series2, Series1, Series5, Series6), in legend order.
    QList<QLineSeries*> namedSeries() const { return named_; }
    // The overlay of square markers and value labels of the batch strengths.
    QScatterSeries* markerSeries() const { return markers_; }

    void done(int result) override;

protected:
    void runAction() override { BitBtn1Click(); }
    void showEvent(QShowEvent* event) override;

private:
    void BitBtn1Click();
    void buildChart();
    void clearSeries();
    void drawSeries(int index, const orvan::control::ChartSeries& series);
    QLineSeries* addSegment(const orvan::control::ChartSeries& series, int first, int last);
    void setHorizontalRange(int batches);
    void raiseMarkers();
    QRectF chartRect() const;

    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    QList<QLineSeries*> named_;
    QList<QLineSeries*> segments_;
    QScatterSeries* markers_ = nullptr;
    bool activated_ = false;
    std::optional<orvan::control::ChartOutcome> givenChart_;
};
