// The controlled period: the chart's data in the core, and writing a chart of the same make as
// the control chart (six lines, square markers with labels, legend) to an Enhanced Metafile
// and, for comparison, to a PNG.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include "kit/AppContext.h"
#include "strength_control/ControlChartPicture.h"
#include "strength_control/ControlChartWindow.h"
#include "strength_control/ControlledPeriodInputs.h"
#include "strength_control/calc/ControlChart.h"

namespace ctl = orvan::control;

static void BM_ControlChartData(benchmark::State& state) {
    const int batches = static_cast<int>(state.range(0));
    const orvan::FieldTexts texts{{"edRy", "25"},    {"edCountParty", std::to_string(batches)},
                                  {"edRpr1", "27"},  {"edRpr2", "23"},
                                  {"edRcor1", "30"}, {"edRcor2", "20"}};
    auto prompt = [](int batch, const std::string&) { return std::to_string(20 + batch % 10); };
    for (auto _ : state)
        benchmark::DoNotOptimize(ctl::buildControlChart(texts, prompt, orvan::NumberFormat{}));
}
BENCHMARK(BM_ControlChartData)->Arg(3)->Arg(10)->Arg(1000);

// A chart like the control chart with `batches` points, in a view of the window's size.
static QChartView* makeChart(int batches) {
    auto* chart = new QChart;
    auto* x = new QValueAxis(chart);
    auto* y = new QValueAxis(chart);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    x->setRange(0, batches);
    y->setRange(17, 33);
    chart->setTitle(QString::fromLatin1(ctl::kChartTitle));
    for (const auto& spec : ctl::emptySeries()) {
        auto* series = new QLineSeries(chart);
        series->setName(QString::fromStdString(spec.title));
        series->setPen(
            QPen(QColor(spec.pointColor.r, spec.pointColor.g, spec.pointColor.b), spec.width));
        for (int i = 0; i <= batches; ++i) series->append(i, spec.markers ? 20 + i % 10 : 25);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    auto* markers = new QScatterSeries(chart);
    markers->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    markers->setPointLabelsVisible(true);
    for (int i = 1; i <= batches; ++i) markers->append(i, 20 + i % 10);
    chart->addSeries(markers);
    markers->attachAxis(x);
    markers->attachAxis(y);
    auto* view = new QChartView(chart);
    view->resize(797, 380);
    view->show();
    QApplication::processEvents();
    return view;
}

static void BM_ChartToEmf(benchmark::State& state) {
    QChartView* view = makeChart(static_cast<int>(state.range(0)));
    const QRectF source(QPointF(0, 0), view->chart()->size());
    qint64 bytes = 0;
    for (auto _ : state) bytes = renderChartEmf(*view->scene(), source).size();
    state.counters["bytes"] = static_cast<double>(bytes);
    delete view;
}
BENCHMARK(BM_ChartToEmf)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond);

static void BM_ChartToPng(benchmark::State& state) {
    QChartView* view = makeChart(static_cast<int>(state.range(0)));
    const QRectF source(QPointF(0, 0), view->chart()->size());
    for (auto _ : state) {
        QImage image(source.size().toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        view->scene()->render(&painter, QRectF(QPointF(0, 0), source.size()), source);
        painter.end();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        benchmark::DoNotOptimize(buffer.size());
    }
    delete view;
}
BENCHMARK(BM_ChartToPng)->Arg(10)->Unit(benchmark::kMillisecond);

// The chart window given a chart of `parties` parties (as the journal gives it), drawn and
// painted at its initial size.
static void BM_ChartWindowDrawn(benchmark::State& state) {
    const int parties = static_cast<int>(state.range(0));
    const orvan::FieldTexts texts{{"edRy", "25"},    {"edCountParty", std::to_string(parties)},
                                  {"edRpr1", "27"},  {"edRpr2", "23"},
                                  {"edRcor1", "30"}, {"edRcor2", "20"}};
    auto prompt = [](int batch, const std::string&) {
        return std::to_string(15 + (batch * 7) % 23) + ".25";
    };
    const ctl::ChartOutcome chart = ctl::buildControlChart(texts, prompt, orvan::NumberFormat{});
    AppContext app;
    const ControlledPeriodInputs inputs;
    ControlChartWindow window(app, inputs);
    window.resize(797, 429);
    for (auto _ : state) {
        window.setGivenChart(chart);
        window.drawChart();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_ChartWindowDrawn)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);
