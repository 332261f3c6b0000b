// The rows Save and Print take from a text window (the rows the widget itself shows after word
// wrap), and the printout's pages.
#include <QAbstractTextDocumentLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "ModalDriver.h"
#include "kit/AppContext.h"
#include "kit/DisplayRows.h"
#include "kit/Messages.h"
#include "kit/TextPrinter.h"
#include "kit/TextWindow.h"

namespace {

constexpr QChar kLineSeparator(0x2028);

// The rows as the widget lays them out itself (each block laid out on demand, as scrolling
// to it would), the separators of LF files removed; a last empty row is not counted.
QStringList widgetRows(QPlainTextEdit* memo) {
    QStringList rows;
    QTextDocument* document = memo->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.layout()->lineCount() == 0) document->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            rows << block.text().mid(line.textStart(), line.textLength()).remove(kLineSeparator);
        }
    }
    if (!rows.isEmpty() && rows.last().isEmpty()) rows.removeLast();
    return rows;
}

QString words(int count, const QString& stem) {
    QStringList out;
    for (int i = 0; i < count; ++i) out << stem + QString::number(i);
    return out.join(' ');
}

QString pdfText(const QString& path) {
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    if (!process.waitForFinished(20000)) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class TextWindowRowsTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAreTheWidgetsRows_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("short lines stay whole") << 500 << QStringList{"one", "two", "three"};
        QTest::newRow("words, narrow") << 200 << QStringList{words(40, "word"), "after"};
        QTest::newRow("words, odd width") << 333 << QStringList{words(40, "w"), words(9, "x")};
        QTest::newRow("Cyrillic report line")
            << 260
            << QStringList{"Расход цемента на 1 куб. м бетона 345.0 kg per cu m, R = 25.0 МPа"};
        QTest::newRow("one word wider than the window") << 300 << QStringList{QString(300, 'm')};
        QTest::newRow("tabs") << 260 << QStringList{"a\tb\tc\td\te\tf\tg\th\ti\tj\tk"};
        QTest::newRow("LF inside a line")
            << 200 << QStringList{"first\n" + words(20, "z") + "\nlast"};
        QTest::newRow("LF at the end, then a line") << 400 << QStringList{"a\nb\n", "c"};
        QTest::newRow("trailing blanks") << 200 << QStringList{words(12, "t") + QString(40, ' ')};
        QTest::newRow("empty lines inside, empty last")
            << 300 << QStringList{"", "x", "", "", "y", ""};
        QTest::newRow("a single empty line") << 300 << QStringList{""};
        QTest::newRow("non-Latin script")
            << 240 << QStringList{QString(60, QChar(0x05D0)) + " " + words(10, "h")};
    }
    void rowsAreTheWidgetsRows() {
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        TextWindow window(app_);
        window.resize(width, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setLines(lines);
        QCoreApplication::processEvents();
        const QStringList rows = displayedRows(window.memo());
        QCOMPARE(rows, widgetRows(window.memo()));
        // Streaming gives the same rows.
        QStringList streamed;
        forEachDisplayedRow(window.memo(), [&](const QString& row) { streamed << row; });
        QCOMPARE(streamed, rows);
    }

    void appendedLinesAreTheLogicalLines_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("none") << QStringList{};
        QTest::newRow("one empty") << QStringList{""};
        QTest::newRow("empty first") << QStringList{"", "x"};
        QTest::newRow("empty lines only") << QStringList{"", "", ""};
        QTest::newRow("empty last") << QStringList{"a", "", ""};
        QTest::newRow("LF inside") << QStringList{"a\nb", "c"};
    }
    void appendedLinesAreTheLogicalLines() {
        QFETCH(QStringList, lines);
        TextWindow appended(app_), set(app_);
        QCOMPARE(appended.logicalLines(), QStringList{""});  // a new window: one empty line
        appended.setLines({});
        for (const QString& line : lines) appended.appendLine(line);
        set.setLines(lines);
        QCOMPARE(appended.logicalLines(), lines);
        QCOMPARE(set.logicalLines(), lines);
        QCOMPARE(appended.memo()->toPlainText(), set.memo()->toPlainText());
    }

    void printoutKeepsEveryRowOnceAcrossPages() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QStringList rows;
        for (int i = 1; i <= 200; ++i) rows << QString("row %1").arg(i);
        QString digits;
        for (int i = 0; i < 60; ++i) digits += QString::number(i % 10).repeated(7);
        rows << digits;  // 420 characters: wider than the page
        rows << "end";
        const QString pdf = dir_.filePath("pages.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(printText(printer, "Window №1. Title", rows).ok());

        const QStringList pages = pdfText(pdf).split('\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        QStringList printed;
        for (const QString& page : pages)
            for (const QString& line : page.split('\n')) printed << line.trimmed();
        QCOMPARE(printed.value(0), QString("Window №1. Title"));
        QCOMPARE(printed.value(1), QString());
        printed.removeAll(QString());
        // Every row once, in order; the wide line in pieces that join up to it.
        QStringList expected = rows;
        expected.removeLast();
        expected.removeLast();
        QCOMPARE(printed.mid(1, expected.size()), expected);
        const QStringList tail = printed.mid(1 + expected.size());
        QVERIFY2(tail.size() >= 3, qPrintable(tail.join('|')));
        QCOMPARE(tail.last(), QString("end"));
        QCOMPARE(tail.mid(0, tail.size() - 1).join(""), digits);
        // A page is full before the next starts: the first holds nearly a page of rows.
        const QFontMetricsF metrics(printFont(), &printer);
        const qreal pageHeight = printer.pageRect(QPrinter::DevicePixel).height();
        const int perPage = int(pageHeight / (metrics.height() + 2));
        const int onFirst = int(pages.first().split('\n', Qt::SkipEmptyParts).size());
        QVERIFY2(onFirst >= perPage - 3 && onFirst <= perPage,
                 qPrintable(QString("%1 of %2").arg(onFirst).arg(perPage)));
    }

    void printPiecesFitAndJoinUp_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<int>("atLeast");  // pieces
        QTest::newRow("fits whole") << QString("short") << 500.0 << 1;
        QTest::newRow("letters") << QString(200, 'W') << 300.0 << 2;
        QTest::newRow("words are not kept together") << words(40, "word") << 250.0 << 2;
        QTest::newRow("Cyrillic") << QString(150, QChar(0x0416)) << 200.0 << 2;
        QTest::newRow("surrogate pairs")
            << QString::fromUtf8("\U0001F600").repeated(80) << 150.0 << 2;
        QTest::newRow("accents stay on their letters")
            << QString::fromUtf8("e\u0301").repeated(120) << 120.0 << 2;
        QTest::newRow("narrower than one letter") << QString("MMM") << 1.0 << 3;
    }
    void printPiecesFitAndJoinUp() {
        QFETCH(QString, line);
        QFETCH(qreal, width);
        QFETCH(int, atLeast);
        const QFontMetricsF metrics(printFont());
        const QStringList pieces = printPieces(line, metrics, width);
        QVERIFY2(pieces.size() >= atLeast, qPrintable(QString::number(pieces.size())));
        QCOMPARE(pieces.join(""), line);
        for (const QString& piece : pieces) {
            QVERIFY(!piece.isEmpty());
            QVERIFY(!piece.back().isHighSurrogate());
            QVERIFY(piece.front().category() != QChar::Mark_NonSpacing);
            // Each piece fits, unless it is a single character wider than the page.
            if (piece.size() > 2) QVERIFY(metrics.horizontalAdvance(piece) <= width);
        }
        // As much as fits: a piece and the first letter of the next would not fit.
        for (int i = 0; i + 1 < pieces.size() && width > 10; ++i)
            QVERIFY(metrics.horizontalAdvance(pieces[i] + pieces[i + 1].left(1)) > width ||
                    pieces[i + 1].front().isHighSurrogate());
    }

    void printoutLayout() {
        const QFontMetricsF metrics(printFont());
        const qreal h = metrics.height() + 2;  // a line with text
        const qreal e = metrics.height();      // an empty line
        QVERIFY(h > 8);                        // the rows below rely on a readable font size
        struct Expected {
            QString text;
            int page;
            qreal top;
        };
        struct Row {
            const char* name;
            qreal pageHeight;
            QStringList rows;
            std::vector<Expected> lines;
        } rows[] = {
            {"title, empty line, rows",
             20 * h,
             {"a", "b"},
             {{"title", 0, 0}, {"a", 0, h + e}, {"b", 0, 2 * h + e}}},
            // Row k ends at h + e + k h; the next starts a page when fewer than two heights
            // remain below it: after the 7th row on a page of 10 heights.
            {"a full page goes on at the top of the next",
             10 * h + 1,
             {"1", "2", "3", "4", "5", "6", "7", "8"},
             {{"title", 0, 0},
              {"1", 0, h + e},
              {"6", 0, 6 * h + e},
              {"7", 0, 7 * h + e},
              {"8", 1, 0}}},
            {"an empty line past the bottom: the next line starts a page",
             4 * h,
             {"1", "2", "", "", "", "", "3"},
             {{"1", 0, h + e}, {"2", 1, 0}, {"3", 2, 0}}},
            // Three empty lines leave 6 pixels less than a line: the text is not cut off.
            {"empty lines leave no room for a line: a new page",
             4 * h,
             {"1", "2", "", "", "", "3"},
             {{"2", 1, 0}, {"3", 2, 0}}},
            {"two empty lines leave room: same page",
             4 * h,
             {"1", "2", "", "", "3"},
             {{"2", 1, 0}, {"3", 1, h + 2 * e}}},
            // The title fills page 0, the empty line page 1.
            {"a page lower than a line still takes one",
             h / 2,
             {"1"},
             {{"title", 0, 0}, {"1", 2, 0}}},
        };
        for (const Row& row : rows) {
            const auto printed =
                layoutPrintout("title", row.rows, metrics, QSizeF(1000, row.pageHeight));
            for (const Expected& want : row.lines) {
                auto it = std::find_if(printed.begin(), printed.end(),
                                       [&](const PrintedLine& l) { return l.text == want.text; });
                QVERIFY2(it != printed.end(), row.name);
                QVERIFY2(it->page == want.page && qAbs(it->top - want.top) < 1e-9,
                         qPrintable(QString("%1: '%2' on page %3 at %4, expected page %5 at %6")
                                        .arg(row.name, want.text)
                                        .arg(it->page)
                                        .arg(it->top)
                                        .arg(want.page)
                                        .arg(want.top)));
            }
        }
    }

    void printedLinesStayOnTheirPage() {
        const QFontMetricsF metrics(printFont());
        const qreal h = metrics.height() + 2;
        QStringList rows;
        for (int i = 0; i < 400; ++i)
            rows << (i % 3 == 0 ? QString() : i % 7 == 0 ? QString(300, 'w') : QString::number(i));
        for (qreal pageHeight : {5 * h, 7.5 * h, 33.3 * h}) {
            const auto printed = layoutPrintout("t", rows, metrics, QSizeF(400, pageHeight));
            for (std::size_t i = 0; i < printed.size(); ++i) {
                const PrintedLine& line = printed[i];
                QVERIFY(line.top + h <= pageHeight);
                QVERIFY(metrics.horizontalAdvance(line.text) <= 400);
                if (i > 0) {
                    const PrintedLine& before = printed[i - 1];
                    QVERIFY(line.page == before.page || line.page == before.page + 1);
                    if (line.page == before.page) QVERIFY(line.top >= before.top + h);
                }
            }
        }
    }

    void printJobThatCannotStartSaysSo() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath("missing/folder/out.pdf"));
        const orvan::Outcome<> printed = printText(printer, "title", {"row"});
        QCOMPARE(printed.kind, orvan::OutcomeKind::Failed);
        QCOMPARE(fromCore(printed.message),
                 QCoreApplication::translate("TForm1", "The print job could not be started."));
    }

private:
    AppContext app_;
    QTemporaryDir dir_;
    ModalWatchdog watchdog_{20000};
};

QTEST_MAIN(TextWindowRowsTest)
#include "TextWindowRowsTest.moc"
