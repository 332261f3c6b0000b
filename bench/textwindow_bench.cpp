// Opening and saving large text files in a text window, against QPlainTextEdit's own
// setPlainText of the same text; and the longest freeze while a 1,000,000-line file opens.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/TextFileCommands.h"
#include "kit/TextWindow.h"

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// `lines` lines of 98 characters plus CR LF: 100 bytes a line (10 MB for 100,000 lines).
QString makeFile(int lines) {
    const QString path = folder().filePath(QString("lines%1.txt").arg(lines));
    if (QFile::exists(path)) return path;
    QByteArray line(98, 'x');
    for (int i = 0; i < 98; i += 7) line[i] = ' ';
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray all;
    all.reserve(qsizetype(lines) * 100);
    for (int i = 0; i < lines; ++i) all += line + "\r\n";
    file.write(all);
    return path;
}

struct Fixture {
    AppContext app;
    DocumentArea area{app};
    TextFileCommands commands{app, &area};
    Fixture() {
        app.setDocuments(&area);
        area.resize(1000, 700);
        area.show();
    }
};

void closeAll(DocumentArea& area) {
    for (QMdiSubWindow* sub : area.subWindowList()) delete sub;
}

}  // namespace

static void BM_SetPlainText_100k(benchmark::State& state) {
    QFile file(makeFile(100000));
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromLatin1(file.readAll()).replace("\r\n", "\n");
    for (auto _ : state) {
        QPlainTextEdit edit;
        edit.resize(1000, 700);
        edit.setPlainText(text);
        benchmark::DoNotOptimize(edit.document()->blockCount());
    }
}
BENCHMARK(BM_SetPlainText_100k)->Unit(benchmark::kMillisecond)->Iterations(5);

static void BM_OpenText_100k(benchmark::State& state) {
    Fixture f;
    const QString path = makeFile(100000);
    for (auto _ : state) {
        TextWindow* doc = f.commands.openFile(path);
        benchmark::DoNotOptimize(doc);
        state.PauseTiming();
        closeAll(f.area);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenText_100k)->Unit(benchmark::kMillisecond)->Iterations(5);

// A window maximized in the main window: its 100-character lines fit, as in a report.
static void BM_SaveRows_100k(benchmark::State& state) {
    Fixture f;
    TextWindow* doc = f.commands.openFile(makeFile(100000));
    doc->parentWidget()->showMaximized();
    QApplication::processEvents();
    const QString out = folder().filePath("saved.txt");
    for (auto _ : state) benchmark::DoNotOptimize(f.commands.saveTo(doc, out));
}
BENCHMARK(BM_SaveRows_100k)->Unit(benchmark::kMillisecond)->Iterations(5);

// A narrow window: every line is wider than the window and is laid out into its rows.
static void BM_SaveRows_100k_AllWrapped(benchmark::State& state) {
    Fixture f;
    TextWindow* doc = f.commands.openFile(makeFile(100000));
    doc->parentWidget()->resize(400, 500);
    QApplication::processEvents();
    const QString out = folder().filePath("saved.txt");
    for (auto _ : state) benchmark::DoNotOptimize(f.commands.saveTo(doc, out));
}
BENCHMARK(BM_SaveRows_100k_AllWrapped)->Unit(benchmark::kMillisecond)->Iterations(3);

// The longest time the event loop waits while a 1,000,000-line file opens, as seen by a
// 10 ms timer.
static void BM_OpenText_1M_LongestFreeze(benchmark::State& state) {
    Fixture f;
    const QString path = makeFile(1000000);
    for (auto _ : state) {
        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        QTimer ticker;
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        clock.start();
        ticker.start();
        f.commands.openFile(path);
        longest = std::max(longest, clock.elapsed() - last);
        state.counters["longest_freeze_ms"] = double(longest);
        state.PauseTiming();
        closeAll(f.area);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenText_1M_LongestFreeze)->Unit(benchmark::kMillisecond)->Iterations(1);
