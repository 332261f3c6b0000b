#pragma once
// The CUSUM chart window: the upper and lower sums against the party number, the decision
// interval H as a line, each signal marked; "PDF..." writes the chart as a vector PDF.
#include <QDialog>

#include "common/Outcome.h"
#include "strength_control/calc/Cusum.h"
#include "strength_control/calc/SeriesCusum.h"

class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

class CusumChartWindow : public QDialog {
    Q_OBJECT
public:
    explicit CusumChartWindow(QWidget* parent = nullptr);

    void draw(const orvan::control::CusumResult& result);
    // The inputs of the drawn result: the strengths in the tooltips, T, s, k, h on the page.
    void setInputs(const orvan::control::CusumInputs& inputs) { inputs_ = inputs; }
    // The journal's parties behind the sums, party i (1-based) entry i - 1: their numbers under
    // the axis and in the tooltips, predicted ones marked there.
    void setParties(const std::vector<orvan::control::SeriesPartyMark>& parties);
    // The tooltip of party `party` (1-based).
    QString partyToolTip(int party) const;
    class ChartZoom* zoom() const {
        return zoom_;
    }
    // Writes the chart to `path` as a PDF; failed with the reason.
    orvan::Outcome<> savePdf(const QString& path) const;

    QChartView* chartView() const { return view_; }
    class PartyAxisLabels* partyLabels() const {
        return partyLabels_;
    }
    QLineSeries* upperSeries() const { return upper_; }
    QLineSeries* lowerSeries() const { return lower_; }
    QLineSeries* limitSeries() const { return limit_; }
    QScatterSeries* signalSeries() const { return signals_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void exportPdf();
    void fitTicks();

    QChartView* view_ = nullptr;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    QLineSeries* upper_ = nullptr;
    QLineSeries* lower_ = nullptr;
    QLineSeries* limit_ = nullptr;
    QScatterSeries* signals_ = nullptr;
    class ChartZoom* zoom_ = nullptr;
    class PartyAxisLabels* partyLabels_ = nullptr;
    std::vector<orvan::control::SeriesPartyMark> partyMarks_;
    orvan::control::CusumInputs inputs_;
    orvan::control::CusumResult result_;
    int parties_ = 0;
};
