#pragma once
// The printout of a text window: its title, an empty line, then its displayed rows, from the
// top-left corner of the printable area in the printer's default font; a line wider than the
// page is broken after the last character that fits; no headers, footers or page numbers.
#include <QFont>
#include <QStringList>

class QFontMetricsF;
class QPrinter;

// The font of the printout: 8-point "MS Sans Serif" (a metric-compatible sans where missing).
QFont printFont();

// The pieces a printed line is broken into: each as wide as fits `width` (at least one
// character), joining up to the line.
QStringList printPieces(const QString& line, const QFontMetricsF& metrics, qreal width);

// Prints; false with `error` set when the job could not be started, written or finished.
bool printText(QPrinter& printer, const QString& title, const QStringList& rows, QString* error);
