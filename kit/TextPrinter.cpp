#include "kit/TextPrinter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextBoundaryFinder>

#include "kit/Messages.h"

QFont printFont() {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"});
    font.setPointSize(8);
    return font;
}

QStringList printPieces(const QString& line, const QFontMetricsF& metrics, qreal width) {
    if (metrics.horizontalAdvance(line) <= width) return {line};
    // Broken between characters as the user sees them (graphemes), so that neither a
    // surrogate pair nor a letter with its accent is split over two lines.
    QStringList pieces;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, line);
    int start = 0;
    while (start < line.size()) {
        const QString rest = line.mid(start);
        if (metrics.horizontalAdvance(rest) <= width) {
            pieces << rest;
            break;
        }
        graphemes.setPosition(start);
        int end = graphemes.toNextBoundary();  // a piece holds at least one character
        for (int next = graphemes.toNextBoundary();
             next > 0 && metrics.horizontalAdvance(line.mid(start, next - start)) <= width;
             next = graphemes.toNextBoundary())
            end = next;
        pieces << line.mid(start, end - start);
        start = end;
    }
    return pieces;
}

std::vector<PrintedLine> layoutPrintout(const QString& title, const QStringList& rows,
                                        const QFontMetricsF& metrics, QSizeF printable) {
    std::vector<PrintedLine> out;
    const qreal width = printable.width(), bottom = printable.height();
    const qreal textHeight = metrics.height() + 2;
    int page = 0;
    qreal y = 0;
    bool breakBefore = false;  // the previous line left too little room
    auto startLine = [&](qreal height) {
        // Never before the first line of a page: a page lower than a line still takes one.
        if (y > 0 && (breakBefore || y + height > bottom)) ++page, y = 0;
        breakBefore = false;
    };
    auto place = [&](const QString& line) {
        if (line.isEmpty()) {
            startLine(0);
            y += metrics.height();
            breakBefore = y > bottom;
            return;
        }
        for (const QString& piece : printPieces(line, metrics, width)) {
            startLine(textHeight);
            out.push_back({page, y, piece});
            y += textHeight;
            breakBefore = y + 2 * textHeight > bottom;
        }
    };
    place(title);
    place(QString());
    for (const QString& row : rows) place(row);
    return out;
}

orvan::Outcome<> printText(QPrinter& printer, const QString& title, const QStringList& rows) {
    return printText(printer, printer.pageRect(QPrinter::DevicePixel), title, rows);
}

orvan::Outcome<> printText(QPagedPaintDevice& device, const QRectF& page, const QString& title,
                           const QStringList& rows) {
    QPainter painter;
    if (!painter.begin(&device))
        return orvan::Outcome<>::failed(
            toCore(QCoreApplication::translate("TForm1", "The print job could not be started.")));
    const QFont font = printFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    bool ok = true;
    int current = 0;
    for (const PrintedLine& line : layoutPrintout(title, rows, metrics, page.size())) {
        for (; current < line.page && ok; ++current) ok = device.newPage();
        if (!ok) break;
        painter.drawText(QPointF(0, line.top + metrics.ascent()), line.text);
    }
    // The job is closed even when writing failed.
    const bool finished = painter.end();
    if (!ok || !finished)
        return orvan::Outcome<>::failed(
            toCore(QCoreApplication::translate("TForm1", "The print job could not be finished.")));
    return orvan::Outcome<>::done({});
}
