#include "strength_control/ControlChartAxis.h"

#include <QChart>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QValueAxis>
#include <cmath>

#include "strength_control/calc/ControlChart.h"

namespace {

constexpr double kLabelGap = 12;  // pixels between neighbouring tick labels
constexpr double kLabelDrop = 6;  // from the plot's bottom to the labels' top (tick marks)

// The axis's label font in pixels: a font in points would grow with the resolution of a PDF
// or a printer the chart is rendered on.
QFont pixelFont(const QValueAxis* axis) {
    QFont font = axis->labelsFont();
    if (font.pixelSize() <= 0) font.setPixelSize(QFontInfo(font).pixelSize());
    return font;
}

}  // namespace

void fitPartyTicks(QValueAxis* axis, double axisPixels, double labelPixels) {
    const double step = orvan::control::partyTickStep(axis->max() - axis->min(), axisPixels,
                                                      labelPixels + kLabelGap);
    if (axis->tickType() != QValueAxis::TicksDynamic) axis->setTickType(QValueAxis::TicksDynamic);
    if (axis->tickAnchor() != 0) axis->setTickAnchor(0);
    if (axis->tickInterval() != step) axis->setTickInterval(step);
}

PartyAxisLabels::PartyAxisLabels(QChart* chart, QValueAxis* axis)
    : QGraphicsItem(chart), chart_(chart), axis_(axis), ownLabels_(axis->labelsBrush()) {
    setZValue(100);
    hide();
}

void PartyAxisLabels::setParties(const QStringList& numbers, const QStringList& dates) {
    numbers_ = numbers;
    dates_list_ = dates;
}

void PartyAxisLabels::setDates(bool dates) {
    dates_ = dates;
    refresh();
}

void PartyAxisLabels::setActive(bool on) {
    // The axis's own brush is taken when its labels are hidden, as the axis has it then, and
    // given back only to an axis whose labels were hidden.
    if (on != active_) {
        if (on) ownLabels_ = axis_->labelsBrush();
        axis_->setLabelsBrush(on ? QBrush(Qt::transparent) : ownLabels_);
    }
    active_ = on;
    setVisible(on);
    refresh();
}

QString PartyAxisLabels::textOf(int party) const {
    const QStringList& texts = dates_ ? dates_list_ : numbers_;
    if (texts.isEmpty()) return QString::number(party);
    return texts.value(party - 1);
}

QString PartyAxisLabels::labelAt(int party) const {
    if (!active_ || party < 1 || std::fmod(party, step_) != 0) return {};
    if (party < axis_->min() || party > axis_->max()) return {};
    return textOf(party);
}

void PartyAxisLabels::refresh() {
    prepareGeometryChange();
    bounds_ = QRectF();
    if (!active_) return;
    const QFontMetricsF metrics(pixelFont(axis_));
    // The widest label of the parties shown decides the spacing.
    double widest = metrics.horizontalAdvance(QStringLiteral("0000"));
    const int first = std::max(1, int(std::ceil(axis_->min())));
    const int last = int(std::floor(axis_->max()));
    for (int party = first; party <= last; ++party)
        widest = std::max(widest, metrics.horizontalAdvance(textOf(party)));
    const QRectF plot = chart_->plotArea();
    fitPartyTicks(axis_, plot.width(), widest);
    step_ = axis_->tickInterval();
    bounds_ = QRectF(plot.left() - widest, plot.bottom() + kLabelDrop, plot.width() + 2 * widest,
                     metrics.height());
    update();
}

QRectF PartyAxisLabels::boundingRect() const {
    return bounds_;
}

void PartyAxisLabels::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (!active_ || step_ <= 0) return;
    const QRectF plot = chart_->plotArea();
    const double span = axis_->max() - axis_->min();
    if (!(span > 0)) return;
    painter->save();
    painter->setFont(pixelFont(axis_));
    painter->setPen(ownLabels_.color());
    const QFontMetricsF metrics(pixelFont(axis_));
    for (double party = std::ceil(axis_->min() / step_) * step_; party <= axis_->max();
         party += step_) {
        const QString text = labelAt(int(std::lround(party)));
        if (text.isEmpty()) continue;
        const double x = plot.left() + (party - axis_->min()) / span * plot.width();
        const double width = metrics.horizontalAdvance(text) + 2;
        painter->drawText(QRectF(x - width / 2, bounds_.top(), width, metrics.height()),
                          Qt::AlignCenter, text);
    }
    painter->restore();
}
