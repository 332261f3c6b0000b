#pragma once
// The batch strengths of the control chart ("Real strength of concrete"): the line through
// them in each point's colour, a square marker at every point and its value above it. Qt
// Charts clips a series to its plot area and hides markers outside the axis range; a batch
// outside the limits is the one the technologist must act on, so this item draws them
// itself, unclipped, in the chart's own coordinates (a child of the chart, so every
// rendering of the chart's scene holds it: the window, printing, every saved format).
#include <QColor>
#include <QFont>
#include <QGraphicsItem>
#include <QList>
#include <QPointF>
#include <functional>

class QChart;
class QAbstractSeries;

namespace orvan::control {
struct ChartSeries;
}  // namespace orvan::control

class BatchMarks : public QGraphicsItem {
public:
    // `mapping` is a series attached to both axes: positions are mapped through it.
    BatchMarks(QChart* chart, QAbstractSeries* mapping);

    void setSeries(const orvan::control::ChartSeries& series);
    // Drawn as a long series: within the plot area only, labels where they overlap no other
    // (those in `mustShow` always), every point's tooltip from `toolTip`. clear() ends it.
    void setLongSeries(const QList<bool>& mustShow, std::function<QString(int)> toolTip);
    bool isLongSeries() const { return long_; }
    bool labelShown(int index) const { return !long_ || shown_.value(index); }
    // The tooltip of the point whose marker is nearest `at` (chart coordinates, within a few
    // pixels); empty elsewhere.
    QString toolTipAt(const QPointF& at) const;
    // The points drawn hollow: strengths predicted, not tested.
    void setHollow(const QList<bool>& hollow);
    void clear();
    // Moves the marks to where the points stand now (after a change of the plot area).
    void refresh();

    QList<QPointF> points() const { return points_; }  // (batch, MPa)
    int count() const { return points_.size(); }
    QColor color(int index) const { return colors_.value(index); }
    int lineWidth() const { return width_; }
    QStringList labels() const;
    // Pixels a mark reaches above and below its point: marker, gap and label; half a marker.
    double reachAbove() const;
    double reachBelow() const;
    // The marker's rectangle and the label's rectangle of point `index`, in chart coordinates.
    QRectF markerRect(int index) const;
    QRectF labelRect(int index) const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

protected:
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    QPointF position(int index) const;
    QList<bool> hollow_;
    void thinLabels();

    QChart* chart_;
    QAbstractSeries* mapping_;
    QList<QPointF> points_;
    QList<QColor> colors_;
    int width_ = 1;
    QStringList texts_;  // the value labels, made once per series
    bool long_ = false;
    QList<bool> mustShow_, shown_;
    std::function<QString(int)> toolTip_;
    QFont font_;
    QRectF bounds_;
};
