#include "strength_control/Period_Control2.h"

#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <utility>

#include "app/AppContext.h"
#include "app/Messages.h"
#include "strength_control/Period_Control1.h"
#include "strength_control/Period_Control2Picture.h"
#include "strength_control/Period_Control3.h"

namespace ctl = orvan::control;

namespace {

constexpr int kHelpContext = 42;
constexpr QSize kInitialSize(797, 429);
// Pixel heights of the chart's texts.
constexpr int kTitlePixels = 12;
constexpr int kFooterPixels = 11;
constexpr int kMarkerPixels = 8;
// More batches than this get a tick every few batches instead of one each.
constexpr int kMaxTicks = 10;

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
        QString name = QString::fromStdString(filter.caption);
        name.truncate(name.indexOf(QLatin1String(" (")));
        QStringList patterns;
        for (const auto& pattern : filter.patterns) patterns << QString::fromStdString(pattern);
        filters << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

void hideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
}

}  // namespace

TfmPeriod_Control2::TfmPeriod_Control2(AppContext& app, QWidget* parent)
    : OrvanDialog(app, parent) {
    setObjectName("fmPeriod_Control2");
    setWindowTitle(tr("Statistical control of concrete strength. Controllable period."));
    setHelpContext(this, kHelpContext);
    setSizeGripEnabled(true);
    resize(kInitialSize);
    auto* layout = new QVBoxLayout(this);

    auto* chart = new QChart;
    chart->setObjectName("Chart1");
    Chart1 = new QChartView(chart, this);
    Chart1->setObjectName("Chart1");
    Chart1->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(Chart1, 1);
    buildChart();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(tr("Close", "BitBtn2"), this);
    close->setObjectName("BitBtn2");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    buttons->addWidget(close);
    buttons->addWidget(makeActionButton(tr("Save...", "BitBtn1"), "BitBtn1"));
    layout->addLayout(buttons);

    SavePictureDialog1 = new QFileDialog(this);
    SavePictureDialog1->setObjectName("SavePictureDialog1");
    SavePictureDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SavePictureDialog1->setFileMode(QFileDialog::AnyFile);
    // The same dialog on every desktop (and under test).
    SavePictureDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SavePictureDialog1->setNameFilters(nameFilters());
    SavePictureDialog1->setDefaultSuffix(QString::fromLatin1(ctl::kDefaultPictureExtension));
}

QChart* TfmPeriod_Control2::chart() const {
    return Chart1->chart();
}

void TfmPeriod_Control2::buildChart() {
    QChart* c = chart();
    c->setBackgroundBrush(Qt::white);
    c->setBackgroundRoundness(0);
    c->setTitle(QString::fromLatin1(ctl::kChartTitle));
    c->setTitleFont(boldArial(kTitlePixels));
    c->setTitleBrush(QColor(0, 0, 255));
    c->legend()->setAlignment(Qt::AlignRight);

    axisX_ = new QValueAxis(c);
    axisX_->setObjectName("BottomAxis");
    // The footer stands under the batch axis, as its title.
    axisX_->setTitleText(QString::fromLatin1(ctl::kChartFooter));
    axisX_->setTitleFont(boldArial(kFooterPixels));
    axisX_->setTitleBrush(Qt::black);
    axisX_->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(axisX_, Qt::AlignBottom);
    setHorizontalRange(1);

    axisY_ = new QValueAxis(c);
    axisY_->setObjectName("LeftAxis");
    axisY_->setTitleText(QString::fromLatin1(ctl::kAxisTitle));
    axisY_->setTitleFont(boldArial(kFooterPixels));
    axisY_->setTitleBrush(Qt::black);
    axisY_->setLinePen(QPen(Qt::black, 3));
    c->addAxis(axisY_, Qt::AlignLeft);

    for (const ctl::ChartSeries& spec : ctl::emptySeries()) {
        auto* series = new QLineSeries(c);
        series->setObjectName(QString::fromStdString(spec.name));
        series->setName(QString::fromStdString(spec.title));
        series->setPen(QPen(qColor(spec.seriesColor), spec.width));
        c->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
        // The line itself is drawn by its segments in the points' colours; this series holds
        // the points and gives the legend its colour.
        series->setOpacity(0.0);
        named_ << series;
    }

    markers_ = new QScatterSeries(c);
    markers_->setObjectName("Series6.markers");
    markers_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    markers_->setMarkerSize(kMarkerPixels);
    markers_->setBorderColor(Qt::black);
    markers_->setPointLabelsFormat(QStringLiteral("@yPoint"));
    markers_->setPointLabelsVisible(true);
    markers_->setPointLabelsClipping(false);
    markers_->setPointLabelsColor(Qt::black);
    c->addSeries(markers_);
    markers_->attachAxis(axisX_);
    markers_->attachAxis(axisY_);
    hideFromLegend(c, markers_);
}

void TfmPeriod_Control2::showEvent(QShowEvent* event) {
    OrvanDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    // Once the window stands on the screen, so that the prompts open over it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible()) FormActivate();
        },
        Qt::QueuedConnection);
}

void TfmPeriod_Control2::done(int result) {
    activated_ = false;
    OrvanDialog::done(result);
}

void TfmPeriod_Control2::clearSeries() {
    for (QLineSeries* segment : segments_) {
        chart()->removeSeries(segment);
        delete segment;
    }
    segments_.clear();
    for (QLineSeries* series : named_) series->clear();
    markers_->clear();
}

void TfmPeriod_Control2::FormActivate() {
    clearSeries();
    orvan::FieldTexts texts;
    if (auto* input = app().window<TfmPeriod_Control1>()) texts = input->fieldTexts();
    TfmPeriod_Control3* prompt = app().window<TfmPeriod_Control3>();
    auto ask = [prompt](int, const std::string& text) {
        return prompt ? toCore(prompt->ask(fromCore(text))) : std::string();
    };
    const ctl::ChartOutcome outcome = givenChart_ ? *std::exchange(givenChart_, std::nullopt)
                                                  : ctl::buildControlChart(texts, ask);
    if (!outcome.ok()) {
        showErrorBox(this, fromCore(outcome.message));
        return;
    }
    axisY_->setRange(outcome.range->min, outcome.range->max);
    setHorizontalRange(outcome.batchesAsked);
    for (int i = 0; i < ctl::kSeriesCount; ++i) drawSeries(i, outcome.series[i]);
    raiseMarkers();
}

// Series are drawn in the order they were added: the markers go last, over the segments.
void TfmPeriod_Control2::raiseMarkers() {
    chart()->removeSeries(markers_);
    chart()->addSeries(markers_);
    markers_->attachAxis(axisX_);
    markers_->attachAxis(axisY_);
    hideFromLegend(chart(), markers_);
}

void TfmPeriod_Control2::setHorizontalRange(int batches) {
    const int last = std::max(batches, 1);
    axisX_->setRange(0, last);
    if (last <= kMaxTicks) {
        axisX_->setTickType(QValueAxis::TicksFixed);
        axisX_->setTickCount(last + 1);
    } else {
        axisX_->setTickType(QValueAxis::TicksDynamic);
        axisX_->setTickAnchor(0);
        axisX_->setTickInterval(std::ceil(double(last) / kMaxTicks));
    }
}

void TfmPeriod_Control2::drawSeries(int index, const ctl::ChartSeries& series) {
    // Every point in one call: a series told of each point on its own redraws for each.
    QList<QPointF> points;
    for (const ctl::ChartPoint& p : series.points) points << QPointF(p.x, p.y);
    named_[index]->replace(points);
    // One line per run of points of one colour: a thousand batches are one series, not a
    // thousand (each series added to a chart costs it a relayout of every other).
    const int count = static_cast<int>(series.points.size());
    for (int first = 0; first + 1 < count;) {
        int last = first + 1;
        while (last + 1 < count && series.points[last + 1].color == series.points[first + 1].color)
            ++last;
        segments_ << addSegment(series, first, last);
        first = last;
    }
    if (!series.markers) return;
    QHash<int, QHash<QXYSeries::PointConfiguration, QVariant>> colours;
    for (int i = 0; i < static_cast<int>(series.points.size()); ++i)
        colours[i] = {{QXYSeries::PointConfiguration::Color, qColor(series.points[i].color)}};
    markers_->replace(points);
    markers_->setPointsConfiguration(colours);
    markers_->setColor(qColor(series.pointColor));
}

// The line from point `first` to point `last`, in the colour of the points after `first`
// (Qt Charts colours the markers of a point, not its line), hidden from the legend.
QLineSeries* TfmPeriod_Control2::addSegment(const ctl::ChartSeries& series, int first, int last) {
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

QRectF TfmPeriod_Control2::chartRect() const {
    return QRectF(QPointF(0, 0), chart()->size());
}

bool TfmPeriod_Control2::savePicture(const QString& fileName, QString* error) const {
    return writeChartPicture(*Chart1->scene(), chartRect(), fileName, error);
}

void TfmPeriod_Control2::BitBtn1Click() {
    // The filter first: choosing a filter would change the extension of a name already there.
    const QStringList filters = SavePictureDialog1->nameFilters();
    SavePictureDialog1->selectNameFilter(filters.value(ctl::kSelectedPictureFilter));
    SavePictureDialog1->selectFile(QString::fromLatin1(ctl::kInitialPictureName));
    if (SavePictureDialog1->exec() != QDialog::Accepted) return;
    const QStringList files = SavePictureDialog1->selectedFiles();
    if (files.isEmpty()) return;
    QString error;
    if (!savePicture(files.front(), &error))
        showErrorBox(this, tr("The picture could not be saved to \"%1\": %2", "BitBtn1")
                               .arg(files.front(), error));
}
