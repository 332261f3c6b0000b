#pragma once
// Zoom and scroll over a long series (the control chart from the journal, the CUSUM chart):
// the wheel zooms the party axis about the pointer, a dragged rectangle zooms both axes, the
// scroll bar moves along the parties, showWhole() ("Whole period") shows everything again.
// Off (the ten-batch chart) it leaves the chart and the view exactly as they were.
#include <QObject>

class QChartView;
class QScrollBar;
class QValueAxis;

class ChartZoom : public QObject {
    Q_OBJECT
public:
    ChartZoom(QChartView* view, QValueAxis* x, QValueAxis* y, QScrollBar* bar);

    // The whole period: the ranges "Whole period" comes back to. Shows it.
    void setWhole(double xMin, double xMax, double yMin, double yMax);
    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }
    void showWhole();
    // Zooms the party axis by `factor` (below 1: in) keeping `xValue` where it stands.
    void zoomAt(double xValue, double factor);
    // Moves the shown parties to start at `xMin`, within the whole period.
    void scrollTo(double xMin);

signals:
    // The shown part changed (zoom, scroll, resize of the plot).
    void viewChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scrollTo(double xMin, double span);
    void keepWithinWhole();
    void syncBar();

    QChartView* view_;
    QValueAxis* x_;
    QValueAxis* y_;
    QScrollBar* bar_;
    double xMin_ = 0, xMax_ = 1, yMin_ = 0, yMax_ = 1;
    bool enabled_ = false;
    bool syncing_ = false;
};
