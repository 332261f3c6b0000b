#pragma once
// The horizontal axis of party numbers shared by the control chart and the CUSUM chart: from 0
// to n (at least 1), one tick a party up to ten parties, then a tick every few parties on
// whole numbers, so that the tick labels never crowd. The numbers are written "%.0f": with
// "%d" Qt Charts 6.4 draws no labels at all on an axis of localized numbers.
#include <QValueAxis>
#include <algorithm>
#include <cmath>

inline void setPartyAxisRange(QValueAxis* axis, int parties) {
    constexpr int kMaxTicks = 10;
    const int last = std::max(parties, 1);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setRange(0, last);
    if (last <= kMaxTicks) {
        axis->setTickType(QValueAxis::TicksFixed);
        axis->setTickCount(last + 1);
    } else {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(std::ceil(double(last) / kMaxTicks));
    }
}
