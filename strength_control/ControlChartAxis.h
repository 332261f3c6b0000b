#pragma once
// The party axis of a long series: ticks that never crowd (1, 2 or 5 times a power of ten
// parties apart, as the shown width allows) and, for a chart from the journal, the journal's
// party numbers or dates under them in place of the batch numbers.
#include <QBrush>
#include <QGraphicsItem>
#include <QStringList>

class QChart;
class QValueAxis;

// Sets `axis` (from party 0) to ticks at least `labelPixels` apart over its shown range.
void fitPartyTicks(QValueAxis* axis, double axisPixels, double labelPixels);

class PartyAxisLabels : public QGraphicsItem {
public:
    PartyAxisLabels(QChart* chart, QValueAxis* axis);

    // Party i (1-based) is entry i - 1; empty lists: the batch numbers.
    void setParties(const QStringList& numbers, const QStringList& dates);
    void setDates(bool dates);
    bool showsDates() const { return dates_; }
    // On: the axis's own labels give way (kept in place, see-through, for their room).
    void setActive(bool on);
    bool isActive() const { return active_; }
    // Ticks and labels for the axis's range now.
    void refresh();
    // The label under party `party`; empty where none stands.
    QString labelAt(int party) const;
    double tickStep() const { return step_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    QString textOf(int party) const;

    QChart* chart_;
    QValueAxis* axis_;
    QBrush ownLabels_;
    QStringList numbers_, dates_list_;
    bool dates_ = false;
    bool active_ = false;
    double step_ = 1;
    QRectF bounds_;
};
