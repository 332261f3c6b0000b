#include "strength_control/ControlChartWindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QValueAxis>
#include <utility>

#include "common/HelpTopic.h"
#include "kit/AppContext.h"
#include "kit/FileDialogClosing.h"
#include "kit/FileDialogColumns.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "kit/PdfExport.h"
#include "strength_control/ControlChartAxis.h"
#include "strength_control/ControlChartButtons.h"
#include "strength_control/ControlChartMarks.h"
#include "strength_control/ControlChartPicture.h"
#include "strength_control/ControlChartZoom.h"
#include "strength_control/ControlledPeriodInputs.h"
#include "strength_control/PartyAxis.h"

namespace ctl = orvan::control;

namespace {

constexpr int kHelpContext = orvan::kHelpControlledPeriod;
constexpr QSize kInitialSize(797, 429);
// Pixel heights of the chart's texts.
constexpr int kTitlePixels = 12;
constexpr int kFooterPixels = 11;

QColor qColor(const ctl::Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont boldArial(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

// The dialog's filter: the caption's name with the patterns in the form Qt reads them
// (blank-separated), so "All" matches each of its four extensions.
QStringList nameFilters() {
    QStringList filters;
    for (const auto& filter : ctl::pictureFilters()) {
        QString name = QCoreApplication::translate(ControlChartWindow::kForm,
                                                   filter.caption.c_str(), "SavePictureDialog1");
        name.truncate(name.indexOf(QLatin1String(" (")));
        QStringList patterns;
        for (const auto& pattern : filter.patterns) patterns << QString::fromStdString(pattern);
        filters << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

// The chart's captions are interface texts of the window (the saved picture shows them as
// they stand on screen).
QString chartText(const char* text, const char* component) {
    return QCoreApplication::translate(ControlChartWindow::kForm, text, component);
}

void hideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
}

}  // namespace

ControlChartWindow::ControlChartWindow(AppContext& app, const ControlledPeriodInputs& inputs,
                                       QWidget* parent)
    : DialogBase(app, parent), startFolder_(QDir::currentPath()), inputs_(inputs) {
    setObjectName("fmPeriod_Control2");
    setWindowTitle(QCoreApplication::translate(
        kForm, "Statistical control of concrete strength. Controllable period."));
    setHelpContext(this, kHelpContext);
    setSizeGripEnabled(true);
    resize(kInitialSize);
    auto* layout = new QVBoxLayout(this);

    auto* chart = new QChart;
    chart->setObjectName("Chart1");
    chartView_ = new QChartView(chart, this);
    chartView_->setObjectName("Chart1");
    chartView_->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(chartView_, 1);
    bar_ = new QScrollBar(Qt::Horizontal, this);
    bar_->setObjectName("sbParties");
    layout->addWidget(bar_);
    buildChart();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QCoreApplication::translate(kForm, "Close", "BitBtn2"), this);
    close->setObjectName("BitBtn2");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    buttons->addWidget(close);
    buttons->addWidget(
        makeActionButton(QCoreApplication::translate(kForm, "Save...", "BitBtn1"), "BitBtn1"));
    addVerdictAndPdfButtons(app, this, buttons);
    addLongSeriesControls(buttons);
    layout->addLayout(buttons);
}

// Left of the other buttons, shown only for a long series.
void ControlChartWindow::addLongSeriesControls(QBoxLayout* buttons) {
    whole_ = new QPushButton(QCoreApplication::translate(kForm, "Whole period", "bbWhole"), this);
    whole_->setObjectName("bbWhole");
    whole_->setAutoDefault(false);
    whole_->hide();
    connect(whole_, &QPushButton::clicked, zoom_, &ChartZoom::showWhole);
    axisChoice_ = new QComboBox(this);
    axisChoice_->setObjectName("cbPartyAxis");
    axisChoice_->addItems({QCoreApplication::translate(kForm, "Party numbers", "cbPartyAxis"),
                           QCoreApplication::translate(kForm, "Dates", "cbPartyAxis")});
    axisChoice_->hide();
    connect(axisChoice_, &QComboBox::currentIndexChanged, this,
            [this](int index) { partyLabels_->setDates(index == 1); });
    buttons->insertWidget(0, whole_);
    buttons->insertWidget(1, axisChoice_);
}

// Made on the first Save (a file dialog costs much of the start-up), then kept; it opens first
// in the folder the program started in.
void ControlChartWindow::makeSavePictureDialog() {
    savePictureDialog_ = new QFileDialog(this, QString(), startFolder_);
    savePictureDialog_->setObjectName("SavePictureDialog1");
    savePictureDialog_->setAcceptMode(QFileDialog::AcceptSave);
    savePictureDialog_->setFileMode(QFileDialog::AnyFile);
    // The same dialog on every desktop (and under test).
    savePictureDialog_->setOption(QFileDialog::DontUseNativeDialog);
    savePictureDialog_->setNameFilters(nameFilters());
    savePictureDialog_->setDefaultSuffix(QString::fromLatin1(ctl::kDefaultPictureExtension));
    keepCompletionWithDialog(savePictureDialog_);
    fitDetailColumns(savePictureDialog_, QStringLiteral("a chart of a long name.wmf"),
                     QStringLiteral("Windows BMP image"));
}

QChart* ControlChartWindow::chart() const {
    return chartView_->chart();
}

void ControlChartWindow::buildChart() {
    QChart* c = chart();
    c->setBackgroundBrush(Qt::white);
    c->setBackgroundRoundness(0);
    c->setTitle(chartText(ctl::kChartTitle, "Chart1"));
    c->setTitleFont(boldArial(kTitlePixels));
    c->setTitleBrush(QColor(0, 0, 255));
    c->legend()->setAlignment(Qt::AlignRight);
    // The axes write their numbers with the separator of the points' labels.
    c->setLocale(chartNumberLocale());
    c->setLocalizeNumbers(true);

    axisX_ = new QValueAxis(c);
    axisX_->setObjectName("BottomAxis");
    // The footer stands under the batch axis, as its title.
    axisX_->setTitleText(chartText(ctl::kChartFooter, "BottomAxis"));
    axisX_->setTitleFont(boldArial(kFooterPixels));
    axisX_->setTitleBrush(Qt::black);
    c->addAxis(axisX_, Qt::AlignBottom);
    setHorizontalRange(1);

    axisY_ = new QValueAxis(c);
    axisY_->setObjectName("LeftAxis");
    axisY_->setTitleText(chartText(ctl::kAxisTitle, "LeftAxis"));
    axisY_->setTitleFont(boldArial(kFooterPixels));
    axisY_->setTitleBrush(Qt::black);
    axisY_->setLinePen(QPen(Qt::black, 3));
    c->addAxis(axisY_, Qt::AlignLeft);

    for (const ctl::ChartSeries& spec : ctl::emptySeries()) {
        auto* series = new QLineSeries(c);
        series->setObjectName(QString::fromStdString(spec.name));
        series->setName(chartText(spec.title.c_str(), spec.name.c_str()));
        series->setPen(QPen(qColor(spec.seriesColor), spec.width));
        c->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
        // The line itself is drawn by its segments in the points' colours; this series holds
        // the points and gives the legend its colour.
        series->setOpacity(0.0);
        named_ << series;
    }

    // Over the named series, which give the legend its entry and map the positions.
    marks_ = new BatchMarks(c, named_.back());
    partyLabels_ = new PartyAxisLabels(c, axisX_);
    baseMargins_ = c->margins();
    connect(c, &QChart::plotAreaChanged, this, [this] { fitMarks(); });
    zoom_ = new ChartZoom(chartView_, axisX_, axisY_, bar_);
    connect(zoom_, &ChartZoom::viewChanged, this, [this] {
        marks_->refresh();
        partyLabels_->refresh();
    });
}

void ControlChartWindow::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    if (activated_) return;
    activated_ = true;
    // Once the window stands on the screen, so that the prompts open over it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible()) drawChart();
        },
        Qt::QueuedConnection);
}

void ControlChartWindow::done(int result) {
    activated_ = false;
    DialogBase::done(result);
}

void ControlChartWindow::clearSeries() {
    for (QLineSeries* segment : segments_) {
        chart()->removeSeries(segment);
        delete segment;
    }
    segments_.clear();
    for (QLineSeries* series : named_) series->clear();
    marks_->clear();
    showPredictedKey(false);
    endLongSeries();
    fitMarks();
}

void ControlChartWindow::endLongSeries() {
    zoom_->setEnabled(false);
    partyLabels_->setActive(false);
    whole_->hide();
    axisChoice_->hide();
}

void ControlChartWindow::showLongSeries(const ctl::ChartValues& chart) {
    if (!ctl::isLongSeries(chart)) return;
    const ctl::ChartLevels levels = ctl::chartLevels(chart);
    const auto& points = chart.series.back().points;
    QList<bool> mustShow;
    for (const ctl::ChartPoint& p : points) mustShow << ctl::beyondLimits(levels, p.y);
    marks_->setLongSeries(mustShow, [this, chart](int i) { return pointToolTip(chart, i); });
    QStringList numbers, dates;
    for (const ctl::PartyText& party : chart.parties)
        numbers << fromCore(party.number), dates << fromCore(party.date);
    partyLabels_->setParties(numbers, dates);
    partyLabels_->setDates(axisChoice_->currentIndex() == 1 && !chart.parties.empty());
    partyLabels_->setActive(true);
    whole_->show();
    axisChoice_->setVisible(!chart.parties.empty());
    zoom_->setEnabled(true);
    const ctl::AxisRange range = *ctl::rangeCoveringPoints(chart);
    // Half a party's room after the last, so that its marker is whole inside the plot area,
    // which a long series is clipped to.
    zoom_->setWhole(0, std::max(chart.batchesAsked, 1) + 0.5, range.min, range.max);
}

QString ControlChartWindow::pointToolTip(const ctl::ChartValues& chart, int index) const {
    const QString value = marks_->labels().value(index);
    if (std::size_t(index) < chart.parties.size()) {
        const ctl::PartyText& party = chart.parties[std::size_t(index)];
        if (party.predicted)
            return QCoreApplication::translate(kForm, "Party %1 of %2: %3 MPa (predicted)",
                                               "Chart1")
                .arg(fromCore(party.number), fromCore(party.date), value);
        return QCoreApplication::translate(kForm, "Party %1 of %2: %3 MPa", "Chart1")
            .arg(fromCore(party.number), fromCore(party.date), value);
    }
    return QCoreApplication::translate(kForm, "Party %1: %2 MPa", "Chart1")
        .arg(index + 1)
        .arg(value);
}

void ControlChartWindow::drawChart() {
    clearSeries();
    auto ask = [this](int batch, const std::string&) {
        return askBatch_ ? toCore(askBatch_(batch)) : std::string();
    };
    const ctl::ChartOutcome outcome =
        givenChart_ ? *std::exchange(givenChart_, std::nullopt)
                    : ctl::buildControlChart(inputs_.texts, ask, numberFormat());
    lastChart_ = outcome;
    if (!outcome.ok()) return showOutcome(this, outcome);
    const ctl::ChartValues& chart = outcome.values;
    axisY_->setRange(chart.range->min, chart.range->max);
    setHorizontalRange(chart.batchesAsked);
    for (int i = 0; i < ctl::kSeriesCount; ++i) drawSeries(i, chart.series[i]);
    showLongSeries(chart);
    QList<bool> hollow;
    for (const ctl::PartyText& party : chart.parties) hollow << party.predicted;
    marks_->setHollow(hollow);
    showPredictedKey(hollow.contains(true));
    fitMarks();
}

// The legend's key to the hollow markers, on a chart with predicted strengths only. Added to
// the chart and taken away rather than hidden: the legend lays out a marker shown again
// without its text.
void ControlChartWindow::showPredictedKey(bool shown) {
    QChart* c = chart();
    const bool there = c->series().contains(predictedKey_);
    if (shown == there) return;
    if (!shown) {
        c->removeSeries(predictedKey_);
        return;
    }
    if (!predictedKey_) {
        predictedKey_ = new QScatterSeries(c);
        predictedKey_->setObjectName("PredictedStrength");
        predictedKey_->setName(chartText("Predicted strength", "PredictedStrength"));
        predictedKey_->setBrush(Qt::white);
        predictedKey_->setPen(QPen(qColor(ctl::emptySeries().back().seriesColor), 2));
        predictedKey_->setMarkerSize(9);
    }
    c->addSeries(predictedKey_);
    predictedKey_->attachAxis(axisX_);
    predictedKey_->attachAxis(axisY_);
}

void ControlChartWindow::fitMarks() {
    if (fitting_) return;  // the margins set below change the plot area again
    fitting_ = true;
    QChart* c = chart();
    const QRectF plot = c->plotArea();
    const QMargins now = c->margins();
    const double extraTop = now.top() - baseMargins_.top();
    const double extraBottom = now.bottom() - baseMargins_.bottom();
    QMargins wanted = baseMargins_;
    const QList<QPointF> points = marks_->points();
    // A long series' range holds every mark; zoomed in, the marks outside are not drawn.
    if (!points.isEmpty() && plot.height() > 0 && !marks_->isLongSeries()) {
        double lowest = points.front().y(), highest = lowest;
        for (const QPointF& p : points) {
            lowest = std::min(lowest, p.y());
            highest = std::max(highest, p.y());
        }
        const ctl::PlotRoom room{plot.height() + extraTop + extraBottom, plot.top() - extraTop,
                                 c->size().height() - plot.bottom() - extraBottom,
                                 marks_->reachAbove(), marks_->reachBelow()};
        const ctl::MarkMargins extra =
            ctl::marginsForMarks({axisY_->min(), axisY_->max()}, lowest, highest, room);
        wanted.setTop(baseMargins_.top() + int(std::ceil(extra.top)));
        wanted.setBottom(baseMargins_.bottom() + int(std::ceil(extra.bottom)));
    }
    if (wanted != now) {
        c->setMargins(wanted);
        if (QGraphicsLayout* layout = c->layout()) layout->activate();
    }
    marks_->refresh();
    partyLabels_->refresh();
    fitting_ = false;
}

void ControlChartWindow::setHorizontalRange(int batches) {
    setPartyAxisRange(axisX_, batches);
}

void ControlChartWindow::drawSeries(int index, const ctl::ChartSeries& series) {
    // Every point in one call: a series told of each point on its own redraws for each.
    QList<QPointF> points;
    for (const ctl::ChartPoint& p : series.points) points << QPointF(p.x, p.y);
    named_[index]->replace(points);
    if (series.markers) {
        marks_->setSeries(series);  // line, markers and labels, unclipped
        return;
    }
    // One line per run of points of one colour: a long series is a few chart series, not one
    // per point (each series added to a chart costs it a relayout of every other).
    const int count = static_cast<int>(series.points.size());
    for (int first = 0; first + 1 < count;) {
        int last = first + 1;
        while (last + 1 < count && series.points[last + 1].color == series.points[first + 1].color)
            ++last;
        segments_ << addSegment(series, first, last);
        first = last;
    }
}

// The line from point `first` to point `last`, in the colour of the points after `first`
// (Qt Charts colours the markers of a point, not its line), hidden from the legend.
QLineSeries* ControlChartWindow::addSegment(const ctl::ChartSeries& series, int first, int last) {
    auto* segment = new QLineSeries(chart());
    segment->setObjectName(QString::fromStdString(series.name) + QStringLiteral(".segment"));
    segment->setPen(QPen(qColor(series.points[first + 1].color), series.width));
    QList<QPointF> points;
    for (int i = first; i <= last; ++i) points << QPointF(series.points[i].x, series.points[i].y);
    segment->replace(points);
    chart()->addSeries(segment);
    segment->attachAxis(axisX_);
    segment->attachAxis(axisY_);
    hideFromLegend(chart(), segment);
    return segment;
}

QRectF ControlChartWindow::chartRect() const {
    return QRectF(QPointF(0, 0), chart()->size());
}

orvan::Outcome<> ControlChartWindow::savePicture(const QString& fileName) const {
    return writeChartPicture(*chartView_->scene(), chartRect(), fileName);
}

orvan::Outcome<> ControlChartWindow::savePdf(const QString& fileName) const {
    QStringList block;
    for (const std::string& line : ctl::chartTitleBlock(
             lastChart_.values, toCore(QDate::currentDate().toString(Qt::ISODate)), numberFormat()))
        block << fromCore(line);
    return writeChartPage(*chartView_->scene(), chartRect(), block, fileName);
}

void ControlChartWindow::savePicture() {
    if (!savePictureDialog_) makeSavePictureDialog();
    // The filter first: choosing a filter would change the extension of a name already there.
    const QStringList filters = savePictureDialog_->nameFilters();
    savePictureDialog_->selectNameFilter(filters.value(ctl::kSelectedPictureFilter));
    savePictureDialog_->selectFile(QString::fromLatin1(ctl::kInitialPictureName));
    if (savePictureDialog_->exec() != QDialog::Accepted) return;
    const QStringList files = savePictureDialog_->selectedFiles();
    if (files.isEmpty()) return;
    const orvan::Outcome<> saved = savePicture(files.front());
    if (!saved.ok())
        showErrorBox(this, QCoreApplication::translate(
                               kForm, "The picture could not be saved to \"%1\": %2", "BitBtn1")
                               .arg(files.front(), fromCore(saved.message)));
}
