#include "strength_control/CusumChartWindow.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "kit/PdfExport.h"
#include "strength_control/ControlChartAxis.h"
#include "strength_control/ControlChartPicture.h"
#include "strength_control/ControlChartZoom.h"
#include "strength_control/PartyAxis.h"
#include "strength_control/calc/ControlChart.h"

namespace ctl = orvan::control;

namespace {

QString text(const char* source, const char* disambiguation = nullptr) {
    return QCoreApplication::translate("fmCusumChart", source, disambiguation);
}

constexpr QSize kInitialSize(797, 429);
constexpr int kMarkerPixels = 11;
// Head room above the highest sum or H, as a share of it.
constexpr double kHeadRoom = 0.1;
// Parties of room after the last party.
constexpr double kEndRoom = 0.5;

QLineSeries* addLine(QChart* chart, const char* name, const QString& title, const QPen& pen) {
    auto* series = new QLineSeries(chart);
    series->setObjectName(name);
    series->setName(title);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

}  // namespace

CusumChartWindow::CusumChartWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("fmCusumChart");
    setWindowTitle(text("Statistical control of concrete strength. CUSUM."));
    setSizeGripEnabled(true);
    resize(kInitialSize);
    auto* layout = new QVBoxLayout(this);
    auto* chart = new QChart;
    chart->setTitle(text("CUSUM of the strengths of the parties"));
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setLocale(chartNumberLocale());
    chart->setLocalizeNumbers(true);
    view_ = new QChartView(chart, this);
    view_->setObjectName("Chart1");
    view_->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view_, 1);
    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName("sbParties");
    layout->addWidget(bar);

    axisX_ = new QValueAxis(chart);
    axisX_->setTitleText(text("Parties of concrete"));
    axisY_ = new QValueAxis(chart);
    axisY_->setTitleText(text("Cumulative sum, MPa"));
    chart->addAxis(axisX_, Qt::AlignBottom);
    chart->addAxis(axisY_, Qt::AlignLeft);

    limit_ = addLine(chart, "SeriesH", text("Decision interval H"), QPen(Qt::red, 2, Qt::DashLine));
    upper_ = addLine(chart, "SeriesUpper", text("Upper sum C+"), QPen(QColor(0, 0, 255), 2));
    lower_ = addLine(chart, "SeriesLower", text("Lower sum C-"), QPen(QColor(0, 128, 0), 2));
    signals_ = new QScatterSeries(chart);
    signals_->setObjectName("SeriesSignals");
    signals_->setName(text("Signal"));
    signals_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    signals_->setMarkerSize(kMarkerPixels);
    signals_->setColor(Qt::red);
    // The theme's white border would blank out the markers, and the sums under them, where
    // signals of neighbouring parties overlap on a long series.
    signals_->setBorderColor(Qt::red);
    chart->addSeries(signals_);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
    }
    for (QLineSeries* series : {upper_, lower_})
        connect(series, &QLineSeries::hovered, this, [this](const QPointF& point, bool state) {
            if (state)
                QToolTip::showText(QCursor::pos(), partyToolTip(int(std::lround(point.x()))));
        });
    zoom_ = new ChartZoom(view_, axisX_, axisY_, bar);
    partyLabels_ = new PartyAxisLabels(chart, axisX_);
    connect(zoom_, &ChartZoom::viewChanged, this, &CusumChartWindow::fitTicks);

    auto* buttons = new QHBoxLayout;
    auto* whole = new QPushButton(text("Whole period"), this);
    whole->setObjectName("bbWhole");
    whole->setAutoDefault(false);
    connect(whole, &QPushButton::clicked, zoom_, &ChartZoom::showWhole);
    buttons->addWidget(whole);
    buttons->addStretch(1);
    auto* pdf = new QPushButton(text("PDF..."), this);
    pdf->setObjectName("bbPdf");
    pdf->setAutoDefault(false);
    connect(pdf, &QPushButton::clicked, this, &CusumChartWindow::exportPdf);
    auto* close = new QPushButton(text("Close"), this);
    close->setObjectName("BitBtn2");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(pdf);
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

void CusumChartWindow::draw(const ctl::CusumResult& result) {
    const int n = static_cast<int>(result.upper.size());
    double top = result.decisionInterval;
    // Each series is handed its points at once: a point appended to a series on a chart has
    // the chart place every point of it again, which made a long journal's chart take minutes.
    QList<QPointF> upper, lower, signalPoints;
    upper.reserve(n), lower.reserve(n);
    for (int i = 0; i < n; ++i) {
        upper.append({i + 1.0, result.upper[i]});
        lower.append({i + 1.0, result.lower[i]});
        top = std::max({top, result.upper[i], result.lower[i]});
    }
    for (const ctl::CusumSignal& s : result.signalList) {
        const std::size_t i = static_cast<std::size_t>(s.party - 1);
        signalPoints.append(
            {double(s.party), s.side == ctl::CusumSide::Up ? result.upper[i] : result.lower[i]});
    }
    upper_->replace(upper);
    lower_->replace(lower);
    signals_->replace(signalPoints);
    limit_->replace(
        {{0, result.decisionInterval}, {double(std::max(n, 1)), result.decisionInterval}});
    result_ = result;
    parties_ = n;
    setPartyAxisRange(axisX_, n);
    axisY_->setRange(0, top > 0 ? top * (1 + kHeadRoom) : 1);
    axisY_->applyNiceNumbers();
    // Half a party beyond the last, so that its marker stands whole inside the plot.
    zoom_->setEnabled(true);
    zoom_->setWhole(0, std::max(n, 1) + kEndRoom, axisY_->min(), axisY_->max());
}

void CusumChartWindow::fitTicks() {
    // The journal's party labels space the ticks for their own widths.
    if (partyLabels_->isActive()) {
        partyLabels_->refresh();
        return;
    }
    const QFontMetricsF metrics(axisX_->labelsFont());
    fitPartyTicks(axisX_, view_->chart()->plotArea().width(),
                  metrics.horizontalAdvance(QString::number(std::max(parties_, 1))));
}

void CusumChartWindow::setParties(const std::vector<ctl::SeriesPartyMark>& parties) {
    partyMarks_ = parties;
    QStringList numbers, dates;
    for (const ctl::SeriesPartyMark& party : parties)
        numbers << QString::fromStdString(party.party), dates << QString::fromStdString(party.date);
    partyLabels_->setParties(numbers, dates);
    partyLabels_->setActive(!parties.empty());  // refreshes them
}

QString CusumChartWindow::partyToolTip(int party) const {
    if (party < 1 || party > parties_) return {};
    const auto i = std::size_t(party - 1);
    auto number = [](double v) {
        return QString::fromStdString(orvan::formatGeneral15(v, numberFormat()));
    };
    const QString strength =
        i < inputs_.strengths.size() ? number(inputs_.strengths[i]) : QStringLiteral("-");
    const QString tip = text("Party %1: strength %2 MPa, C+ %3, C- %4")
                            .arg(party)
                            .arg(strength, number(result_.upper[i]), number(result_.lower[i]));
    if (i >= partyMarks_.size()) return tip;
    // From the journal: its party and date too, and whether the strength is predicted.
    const ctl::SeriesPartyMark& mark = partyMarks_[i];
    return tip +
           text(" (journal party %1 of %2)")
               .arg(QString::fromStdString(mark.party), QString::fromStdString(mark.date)) +
           (mark.predicted ? text(" (predicted)") : QString());
}

// Shown after the dialog that asked for it closes and the main window takes the focus back:
// brought to the front once it stands.
void CusumChartWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QMetaObject::invokeMethod(
        this,
        [this] {
            raise();
            activateWindow();
        },
        Qt::QueuedConnection);
}

orvan::Outcome<> CusumChartWindow::savePdf(const QString& path) const {
    QChart* chart = view_->chart();
    QStringList block;
    for (const std::string& line :
         ctl::cusumTitleBlock(inputs_.target, inputs_.sigma, inputs_.k, inputs_.h, parties_,
                              toCore(QDate::currentDate().toString(Qt::ISODate)), numberFormat()))
        block << fromCore(line);
    return writeChartPage(*view_->scene(), QRectF(QPointF(0, 0), chart->size()), block, path);
}

void CusumChartWindow::exportPdf() {
    const QString path = choosePdfFile(this, QStringLiteral("cusum.pdf"));
    if (path.isEmpty()) return;
    const orvan::Outcome<> written = savePdf(path);
    if (!written.ok())
        showMessage(this, text("The PDF could not be written to \"%1\": %2")
                              .arg(path, fromCore(written.message)));
}
