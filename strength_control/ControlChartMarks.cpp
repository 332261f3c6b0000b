#include "strength_control/ControlChartMarks.h"

#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSceneHoverEvent>
#include <QPainter>

#include "common/NumberText.h"
#include "kit/LocaleNumberFormat.h"
#include "strength_control/calc/ControlChart.h"

namespace {

constexpr double kMarkerPixels = 8;
constexpr double kLabelGap = 2;     // between the marker's top and the label
constexpr double kHoverPixels = 6;  // how near a marker the pointer shows its tooltip

}  // namespace

BatchMarks::BatchMarks(QChart* chart, QAbstractSeries* mapping)
    : QGraphicsItem(chart), chart_(chart), mapping_(mapping) {
    font_.setPixelSize(11);
    // Over the series and the limit lines, under nothing else of the chart.
    setZValue(100);
}

void BatchMarks::setSeries(const orvan::control::ChartSeries& series) {
    clear();
    for (const auto& p : series.points) {
        points_ << QPointF(p.x, p.y);
        colors_ << QColor(p.color.r, p.color.g, p.color.b);
    }
    width_ = series.width;
    for (const QPointF& p : points_)
        texts_ << QString::fromStdString(
            series.labelDecimals < 0
                ? orvan::formatGeneral15(p.y(), numberFormat())
                : orvan::formatFixed(p.y(), series.labelDecimals, numberFormat()));
    refresh();
}

void BatchMarks::setLongSeries(const QList<bool>& mustShow, std::function<QString(int)> toolTip) {
    long_ = true;
    mustShow_ = mustShow;
    toolTip_ = std::move(toolTip);
    setAcceptHoverEvents(true);
    refresh();
}

void BatchMarks::clear() {
    points_.clear();
    colors_.clear();
    texts_.clear();
    long_ = false;
    mustShow_.clear();
    shown_.clear();
    toolTip_ = nullptr;
    hollow_.clear();
    setAcceptHoverEvents(false);
    setToolTip(QString());
    refresh();
}

void BatchMarks::setHollow(const QList<bool>& hollow) {
    hollow_ = hollow;
    update();
}

QStringList BatchMarks::labels() const {
    return texts_;
}

double BatchMarks::reachAbove() const {
    return kMarkerPixels / 2 + kLabelGap + QFontMetricsF(font_).height();
}

double BatchMarks::reachBelow() const {
    return kMarkerPixels / 2 + 1;  // the marker's border
}

QPointF BatchMarks::position(int index) const {
    return chart_->mapToPosition(points_[index], mapping_);
}

QRectF BatchMarks::markerRect(int index) const {
    const QPointF at = position(index);
    return QRectF(at.x() - kMarkerPixels / 2, at.y() - kMarkerPixels / 2, kMarkerPixels,
                  kMarkerPixels);
}

QRectF BatchMarks::labelRect(int index) const {
    const QFontMetricsF metrics(font_);
    const QString text = texts_.value(index);
    const QRectF marker = markerRect(index);
    const double width = metrics.horizontalAdvance(text) + 2;
    return QRectF(marker.center().x() - width / 2, marker.top() - kLabelGap - metrics.height(),
                  width, metrics.height());
}

// Labels of the points in the plot area, thinned where they overlap.
void BatchMarks::thinLabels() {
    const QRectF plot = chart_->plotArea();
    std::vector<orvan::control::LabelBox> boxes;
    boxes.reserve(static_cast<std::size_t>(points_.size()));
    QList<int> inPlot;
    for (int i = 0; i < points_.size(); ++i) {
        if (!plot.contains(position(i))) continue;
        const QRectF r = labelRect(i);
        boxes.push_back({r.left(), r.top(), r.right(), r.bottom(), mustShow_.value(i)});
        inPlot << i;
    }
    const std::vector<bool> shown = orvan::control::thinLabels(boxes);
    shown_ = QList<bool>(points_.size(), false);
    for (int k = 0; k < inPlot.size(); ++k) shown_[inPlot[k]] = shown[std::size_t(k)];
}

QString BatchMarks::toolTipAt(const QPointF& at) const {
    int nearest = -1;
    double best = kHoverPixels;
    for (int i = 0; i < points_.size(); ++i) {
        const QPointF d = position(i) - at;
        const double distance = std::max(std::abs(d.x()), std::abs(d.y()));
        if (distance <= best) best = distance, nearest = i;
    }
    return nearest >= 0 && toolTip_ ? toolTip_(nearest) : QString();
}

void BatchMarks::hoverMoveEvent(QGraphicsSceneHoverEvent* event) {
    setToolTip(toolTipAt(mapToParent(event->pos())));
    QGraphicsItem::hoverMoveEvent(event);
}

void BatchMarks::refresh() {
    prepareGeometryChange();
    if (long_) {
        thinLabels();
        bounds_ = chart_->plotArea();
        update();
        return;
    }
    QRectF bounds;
    for (int i = 0; i < points_.size(); ++i) {
        bounds |= markerRect(i).adjusted(-1, -1, 1, 1);
        bounds |= labelRect(i);
    }
    bounds_ = bounds;
    update();
}

QRectF BatchMarks::boundingRect() const {
    return bounds_;
}

void BatchMarks::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // A long series zooms and scrolls: what lies outside the plot area is not shown.
    const QRectF plot = chart_->plotArea();
    if (long_) painter->setClipRect(plot);
    // Off to one side of the plot area: nothing of it shows (a long series zoomed in).
    auto outside = [&](const QPointF& a, const QPointF& b) {
        return long_ &&
               ((a.x() < plot.left() - kMarkerPixels && b.x() < plot.left() - kMarkerPixels) ||
                (a.x() > plot.right() + kMarkerPixels && b.x() > plot.right() + kMarkerPixels));
    };
    for (int i = 1; i < points_.size(); ++i) {
        const QPointF from = position(i - 1), to = position(i);
        if (outside(from, to)) continue;
        painter->setPen(QPen(colors_[i], width_));
        painter->drawLine(from, to);
    }
    painter->setFont(font_);
    for (int i = 0; i < points_.size(); ++i) {
        if (outside(position(i), position(i))) continue;
        // A predicted strength: the marker's outline in the point's colour, empty inside.
        const bool hollow = hollow_.value(i);
        painter->setPen(hollow ? QPen(colors_[i], 2) : QPen(Qt::black, 1));
        painter->setBrush(hollow ? QBrush(Qt::white) : QBrush(colors_[i]));
        painter->drawRect(markerRect(i));
        if (labelShown(i)) painter->drawText(labelRect(i), Qt::AlignCenter, texts_[i]);
    }
    painter->restore();
}
