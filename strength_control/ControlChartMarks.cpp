#include "strength_control/ControlChartMarks.h"

#include <QChart>
#include <QFontMetricsF>
#include <QPainter>

#include "app/LocaleNumberFormat.h"
#include "common/NumberText.h"
#include "strength_control/calc/ControlChart.h"

namespace {

constexpr double kMarkerPixels = 8;
constexpr double kLabelGap = 2;  // between the marker's top and the label

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
    labelDecimals_ = series.labelDecimals;
    refresh();
}

void BatchMarks::clear() {
    points_.clear();
    colors_.clear();
    refresh();
}

QStringList BatchMarks::labels() const {
    QStringList out;
    for (const QPointF& p : points_)
        out << QString::fromStdString(
            labelDecimals_ < 0 ? orvan::formatGeneral15(p.y(), numberFormat())
                               : orvan::formatFixed(p.y(), labelDecimals_, numberFormat()));
    return out;
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
    const QString text = labels().value(index);
    const QRectF marker = markerRect(index);
    const double width = metrics.horizontalAdvance(text) + 2;
    return QRectF(marker.center().x() - width / 2, marker.top() - kLabelGap - metrics.height(),
                  width, metrics.height());
}

void BatchMarks::refresh() {
    prepareGeometryChange();
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
    for (int i = 1; i < points_.size(); ++i) {
        painter->setPen(QPen(colors_[i], width_));
        painter->drawLine(position(i - 1), position(i));
    }
    painter->setFont(font_);
    const QStringList texts = labels();
    for (int i = 0; i < points_.size(); ++i) {
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(colors_[i]);
        painter->drawRect(markerRect(i));
        painter->drawText(labelRect(i), Qt::AlignCenter, texts[i]);
    }
    painter->restore();
}
