#include "strength_control/ControlChartZoom.h"

#include <QChart>
#include <QChartView>
#include <QScrollBar>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// Scroll-bar steps per party.
constexpr double kBarSteps = 100;
// One wheel notch zooms by this factor.
constexpr double kWheelFactor = 0.8;
// The fewest parties a zoom shows.
constexpr double kFewestParties = 4;

}  // namespace

ChartZoom::ChartZoom(QChartView* view, QValueAxis* x, QValueAxis* y, QScrollBar* bar)
    : QObject(view), view_(view), x_(x), y_(y), bar_(bar) {
    view_->viewport()->installEventFilter(this);
    bar_->hide();
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!syncing_) scrollTo(xMin_ + value / kBarSteps);
    });
    connect(x_, &QValueAxis::rangeChanged, this, [this] {
        if (!enabled_ || syncing_) return;
        keepWithinWhole();
        syncBar();
        emit viewChanged();
    });
    connect(view_->chart(), &QChart::plotAreaChanged, this, [this] {
        if (enabled_) emit viewChanged();
    });
}

void ChartZoom::setWhole(double xMin, double xMax, double yMin, double yMax) {
    xMin_ = xMin, xMax_ = xMax, yMin_ = yMin, yMax_ = yMax;
    showWhole();
}

void ChartZoom::setEnabled(bool on) {
    enabled_ = on;
    view_->setRubberBand(on ? QChartView::RectangleRubberBand : QChartView::NoRubberBand);
    bar_->setVisible(on);
    if (on) syncBar();
}

void ChartZoom::showWhole() {
    syncing_ = true;
    x_->setRange(xMin_, xMax_);
    if (yMin_ <= yMax_) y_->setRange(yMin_, yMax_);
    syncing_ = false;
    if (!enabled_) return;
    syncBar();
    emit viewChanged();
}

void ChartZoom::zoomAt(double xValue, double factor) {
    const double whole = xMax_ - xMin_;
    const double span =
        std::clamp((x_->max() - x_->min()) * factor, std::min(kFewestParties, whole), whole);
    const double share = (xValue - x_->min()) / (x_->max() - x_->min());
    scrollTo(xValue - share * span, span);
}

void ChartZoom::scrollTo(double xMin) {
    scrollTo(xMin, x_->max() - x_->min());
}

void ChartZoom::scrollTo(double xMin, double span) {
    const double from = std::clamp(xMin, xMin_, std::max(xMin_, xMax_ - span));
    syncing_ = true;
    x_->setRange(from, std::min(from + span, xMax_));
    syncing_ = false;
    syncBar();
    emit viewChanged();
}

// A zoom out by the rubber band's right click may pass the whole period: clip it there.
void ChartZoom::keepWithinWhole() {
    if (x_->min() >= xMin_ && x_->max() <= xMax_) return;
    const double span = std::min(x_->max() - x_->min(), xMax_ - xMin_);
    syncing_ = true;
    const double from = std::clamp(x_->min(), xMin_, xMax_ - span);
    x_->setRange(from, from + span);
    syncing_ = false;
}

void ChartZoom::syncBar() {
    syncing_ = true;
    const double span = x_->max() - x_->min();
    bar_->setRange(0, int(std::lround(std::max(0.0, xMax_ - xMin_ - span) * kBarSteps)));
    bar_->setPageStep(int(std::lround(span * kBarSteps)));
    bar_->setSingleStep(int(kBarSteps));
    bar_->setValue(int(std::lround((x_->min() - xMin_) * kBarSteps)));
    syncing_ = false;
}

bool ChartZoom::eventFilter(QObject* watched, QEvent* event) {
    if (!enabled_ || event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    const double notches = wheel->angleDelta().y() / 120.0;
    if (notches == 0) return true;
    const QRectF plot = view_->chart()->plotArea();
    const QPointF at = view_->chart()->mapFromScene(view_->mapToScene(wheel->position().toPoint()));
    const double share =
        plot.width() > 0 ? std::clamp((at.x() - plot.left()) / plot.width(), 0.0, 1.0) : 0.5;
    zoomAt(x_->min() + share * (x_->max() - x_->min()), std::pow(kWheelFactor, notches));
    return true;
}
