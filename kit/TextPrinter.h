#pragma once
// The printout of a text window: its title, an empty line, then its displayed rows, from the
// top-left corner of the printable area in the printer's default font; a line wider than the
// page is broken after the last character that fits; no headers, footers or page numbers.
#include <QFont>
#include <QSizeF>
#include <QStringList>
#include <vector>

#include "common/Outcome.h"

class QFontMetricsF;
class QPagedPaintDevice;
class QPrinter;
class QRectF;

// The font of the printout: 8-point "MS Sans Serif" (a metric-compatible sans where missing).
QFont printFont();

// The pieces a printed line is broken into: each as wide as fits `width` (at least one
// character), joining up to the line.
QStringList printPieces(const QString& line, const QFontMetricsF& metrics, qreal width);

// One printed line: its page (from 0), the top of its text (printer pixels from the top of
// the printable area) and its text; an empty line is not listed, it only takes room.
struct PrintedLine {
    int page = 0;
    qreal top = 0;
    QString text;
};

// Where each line of the printout goes on a printable area of this size:
// - a line with text takes its text height plus 2, an empty line the font's height;
// - after a line with text, a new page begins when the next line would start less than two of
//   its heights above the bottom; after an empty line, when it would start below the bottom;
// - and a line with text that would run past the bottom starts a new page (several empty
//   lines in a row can leave less room than one line, and a cut-off line is lost text).
std::vector<PrintedLine> layoutPrintout(const QString& title, const QStringList& rows,
                                        const QFontMetricsF& metrics, QSizeF printable);

// Prints; failed with the reason when the job could not be started, written or finished.
orvan::Outcome<> printText(QPrinter& printer, const QString& title, const QStringList& rows);
// The same printout on any paged device (a PDF writer), over its printable area `page` in
// device pixels.
orvan::Outcome<> printText(QPagedPaintDevice& device, const QRectF& page, const QString& title,
                           const QStringList& rows);
